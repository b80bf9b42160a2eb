#include "app/FontWarmup.h"
#include "app/mod_Main.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Overlaps with the application's connection to the display.
    FontWarmup fonts;
    QApplication app(argc, argv);
    fonts.wait();
    return mod_Main::Main(app);
}
