#pragma once

#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

// The items of the main window's menu bar, under their design names. The
// main window builds them once; the command classes of this folder connect
// to them and keep them enabled while they can act. Every item has its name
// as object name too, so that tests and accessibility tools find it.
struct MainMenus {
    // Fills `bar` with the File, Edit, Utilities, Window and Help menus.
    // Items start disabled until a command class takes them on, except the
    // few the main window serves itself (Exit and the Window menu).
    void build(QMenuBar *bar);

    QMenu *mnuFile = nullptr;
    QAction *mnuFileNew = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileSave = nullptr;
    QAction *mnuFileSaveAs = nullptr;
    QMenu *mnuFileExport = nullptr;
    QAction *mnuExportToAct = nullptr;
    QAction *mnuExportToAI = nullptr;
    QAction *mnuExportToHTML = nullptr;
    QAction *mnuExportToXML = nullptr;
    QAction *mnuSaveWorkspace = nullptr;
    QAction *mnuOpenWorkspace = nullptr;
    QAction *mnuExit = nullptr;

    QMenu *mnuEdit = nullptr;
    QAction *mnuEditUndo = nullptr;
    QAction *mnuRedo = nullptr;
    QAction *mnuEditDarken2 = nullptr;
    QAction *mnuEditLighten2 = nullptr;
    QAction *mnuEditSaturate2 = nullptr;
    QAction *mnuEditDesaturate2 = nullptr;

    QMenu *mnuUtilities = nullptr;
    QAction *mnuScreenColorPicker = nullptr;
    QAction *mnuUtilModifyHexValue = nullptr;
    QAction *mnuScrollBarPreview = nullptr;
    QAction *mnuVectorImagePreview = nullptr;
    QAction *mnuWebPreview = nullptr;
    QAction *mnuCodeGenerator = nullptr;

    QMenu *mnuWindow = nullptr;
    QAction *mnuCascade = nullptr;
    QAction *mnuTileVertically = nullptr;
    QAction *mnuTileHorizontally = nullptr;
    QAction *mnuArrangeIcons = nullptr;
    QAction *mnuCloseAll = nullptr;

    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpQuickTips = nullptr;
    QAction *mnuSupportWebSite = nullptr;
    QAction *mnuCheckForUpdates = nullptr;
    QAction *mnuHepAbout = nullptr;
};
