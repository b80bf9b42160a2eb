#include "app/mod_Main.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return mod_Main::Main(app);
}
