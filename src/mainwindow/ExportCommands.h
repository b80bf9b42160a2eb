#pragma once

#include "palette/mod_Export.h"

#include <QObject>
#include <QStringList>

class QAction;
class frm_MDIMain;

// The main window's commands that take palettes to and from other programs:
// the items of File > Export Palette, which act on the active palette and
// beep when there is none, and the opening of GIMP palettes and swatch
// exchange files through File > Open Palette.
class ExportCommands : public QObject {
    Q_OBJECT

public:
    // Connects and enables the four export items and adds, after a
    // separator, the items of the formats of today's design tools.
    explicit ExportCommands(frm_MDIMain *main);

    QAction *mnuExportToGPL = nullptr;
    QAction *mnuExportToASE = nullptr;
    QAction *mnuExportToCSS = nullptr;
    QAction *mnuExportToTokens = nullptr;

    // The filters File > Open Palette offers besides the palette file's.
    static QStringList openFilters();
    // Opens `path` into a new palette window when it is a GIMP palette or a
    // swatch exchange file and returns true, also when it could not be read
    // (the user was told why). False for anything else, which is left to the
    // palette file's own reader. The new palette has no file name, so that
    // saving it asks for one instead of writing over the file it came from.
    static bool openForeignPalette(frm_MDIMain *main, const QString &path);

private:
    QAction *addItem(const char *name, const QString &caption, mod_Export::Format format);
    // Runs `exportTo` on the active palette, or beeps when there is none.
    template<typename Export> void onActivePalette(Export exportTo);

    frm_MDIMain *m_main;
};
