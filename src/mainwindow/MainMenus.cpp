#include "mainwindow/MainMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QAction *item(QMenu *menu, const char *name, const QString &caption, bool enabled = false)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

QMenu *menu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void MainMenus::build(QMenuBar *bar)
{
    mnuFile = menu(bar, "mnuFile", QStringLiteral("&File"));
    mnuFileNew = item(mnuFile, "mnuFileNew", QStringLiteral("&New Palette"));
    mnuFileOpen = item(mnuFile, "mnuFileOpen", QStringLiteral("&Open Palette..."));
    mnuFileSave = item(mnuFile, "mnuFileSave", QStringLiteral("&Save Palette"));
    mnuFileSaveAs = item(mnuFile, "mnuFileSaveAs", QStringLiteral("Save Palette &As..."));
    mnuFileExport = mnuFile->addMenu(QStringLiteral("Export Palette"));
    mnuFileExport->setObjectName(QStringLiteral("mnuFileExport"));
    mnuExportToAct = item(
        mnuFileExport, "mnuExportToAct", QStringLiteral("Export to Photoshop Color Table (.act) "));
    mnuExportToAI = item(
        mnuFileExport, "mnuExportToAI", QStringLiteral("Export to Illustrator Swatch File (.ai)"));
    mnuExportToHTML = item(mnuFileExport, "mnuExportToHTML", QStringLiteral("Export as Web Page"));
    mnuExportToXML = item(mnuFileExport, "mnuExportToXML", QStringLiteral("Export as XML file"));
    mnuFile->addSeparator();
    mnuSaveWorkspace = item(mnuFile, "mnuSaveWorkspace", QStringLiteral("Save my &Workspace..."));
    mnuOpenWorkspace = item(mnuFile, "mnuOpenWorkspace", QStringLiteral("&Open my Workspace..."));
    mnuFile->addSeparator();
    mnuExit = item(mnuFile, "mnuExit", QStringLiteral("E&xit"), true);

    mnuEdit = menu(bar, "mnuEdit", QStringLiteral("&Edit"));
    mnuEditUndo = item(mnuEdit, "mnuEditUndo", QStringLiteral("&Undo"));
    mnuRedo = item(mnuEdit, "mnuRedo", QStringLiteral("&Redo"));
    mnuEdit->addSeparator();
    mnuEditDarken2 = item(mnuEdit, "mnuEditDarken2", QStringLiteral("&Darken"));
    mnuEditLighten2 = item(mnuEdit, "mnuEditLighten2", QStringLiteral("&Lighten"));
    mnuEdit->addSeparator();
    mnuEditSaturate2 = item(mnuEdit, "mnuEditSaturate2", QStringLiteral("&Saturate"));
    mnuEditDesaturate2 = item(mnuEdit, "mnuEditDesaturate2", QStringLiteral("D&esaturate"));

    mnuUtilities = menu(bar, "mnuUtilities", QStringLiteral("&Utilities"));
    mnuScreenColorPicker
        = item(mnuUtilities, "mnuScreenColorPicker", QStringLiteral("&Eyedropper Tool..."));
    mnuUtilModifyHexValue
        = item(mnuUtilities, "mnuUtilModifyHexValue", QStringLiteral("Modify &HEX Value..."));
    mnuScrollBarPreview
        = item(mnuUtilities, "mnuScrollBarPreview", QStringLiteral("&Scroll Bar Preview..."));
    mnuVectorImagePreview
        = item(mnuUtilities, "mnuVectorImagePreview", QStringLiteral("&Vector Image Preview..."));
    mnuWebPreview = item(mnuUtilities, "mnuWebPreview", QStringLiteral("&Web Preview..."));
    mnuCodeGenerator = item(mnuUtilities, "mnuCodeGenerator", QStringLiteral("&Code Generator"));

    mnuWindow = menu(bar, "mnuWindow", QStringLiteral("&Window"));
    mnuCascade = item(mnuWindow, "mnuCascade", QStringLiteral("&Cascade"), true);
    mnuTileVertically
        = item(mnuWindow, "mnuTileVertically", QStringLiteral("Tile Vertically"), true);
    mnuTileHorizontally
        = item(mnuWindow, "mnuTileHorizontally", QStringLiteral("Tile Horizontally"), true);
    mnuArrangeIcons = item(mnuWindow, "mnuArrangeIcons", QStringLiteral("&Arrange Icons"), true);
    mnuCloseAll = item(mnuWindow, "mnuCloseAll", QStringLiteral("&Close All"), true);

    mnuHelp = menu(bar, "mnuHelp", QStringLiteral("&Help"));
    mnuHelpQuickTips = item(mnuHelp, "mnuHelpQuickTips", QStringLiteral("&Quick Tips"), true);
    mnuSupportWebSite = item(mnuHelp, "mnuSupportWebSite", QStringLiteral("&Support Website"));
    mnuCheckForUpdates = item(mnuHelp, "mnuCheckForUpdates", QStringLiteral("&Check for Updates"));
    mnuHelp->addSeparator();
    mnuHepAbout = item(mnuHelp, "mnuHepAbout", QStringLiteral("&About"));
}
