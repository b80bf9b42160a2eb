#include "startup/StartupWorker.h"
#include "startup/mod_Main.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Loads the font configuration while the application connects to the
    // display; later draws the first frame's artwork while the window is built.
    StartupWorker worker;
    QApplication app(argc, argv);
    worker.waitForFonts();
    const int result = mod_Main::Main(app, &worker);
    worker.finish();
    return result;
}
