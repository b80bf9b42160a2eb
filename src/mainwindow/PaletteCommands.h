#pragma once

#include <QObject>

class frm_MDIMain;
class frmPalette;

// The main window's commands on palette documents: File New, Open, Save,
// Save As, the Edit menu and the palette items of the colour context menu.
// They act on the active child window when it is a palette (Edit, Save) or
// on the active palette (context menu items), and do nothing without one.
class PaletteCommands : public QObject {
    Q_OBJECT

public:
    explicit PaletteCommands(frm_MDIMain *main);

    frmPalette *mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();

private:
    void connectMenus();
    void connectContextMenu();
    void updateEnabled();
    // Runs `operation` on the active palette document, if there is one.
    template<typename Operation> void onActivePalette(Operation operation);

    frm_MDIMain *m_main;
    int m_paletteCounter = 0; // numbers new palettes; never goes back
};
