#pragma once

#include "core/mod_ColorConversion.h"
#include "mainwindow/MainMenus.h"
#include "palette/PaletteHost.h"
#include "tools/ToolHost.h"
#include "tools/ToolPages.h"
#include "widgets/ColorContextMenu.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class AppState;
class cls_MsgServer;
class ColorInfoPanel;
class DocumentArea;
class QLineEdit;
class QMdiSubWindow;
class QTabWidget;
class QToolBar;
class PaletteCommands;
class RecentColorsCommands;
struct ColorTexts;
class frmPalette;
class ucRecent;

// The program's one top-level window: menus, toolbar, the shared colour
// context menu, the status boxes, the tool pages around the document area
// and the document area itself, in which palette and preview windows live.
class frm_MDIMain : public QMainWindow, public PaletteHost, public ToolHost {
    Q_OBJECT

public:
    explicit frm_MDIMain(QWidget *parent = nullptr);
    ~frm_MDIMain() override;

    // Draws the artwork of the main window's first frame (tool bar and
    // window icons, the document area's logo over `background`) into images
    // ahead of need, for a display of `devicePixelRatio`. Safe on any
    // thread: start-up runs it on its worker while the window is built.
    static void prerenderArtwork(ColorValue background, qreal devicePixelRatio);

    // The load step: restores the rectangle, subscribes to the bus, restores
    // the colour information choice and the background, fills the pages.
    void Form_Load();

    // The colour the colour context menu acts on.
    ColorValue ContextColor = kWhite;
    // The palette document export commands act on; kept by the palettes.
    QPointer<QWidget> ActivePalette;
    // The shared bus, for windows that send through the main window.
    cls_MsgServer *cMsgs = nullptr;

    bool AlwaysOnTop() const { return m_alwaysOnTop; }
    void setAlwaysOnTop(bool onTop);

    ColorValue HoverColor() const override;
    ColorValue backgroundColor() const;

    // Views describe what they need; this shows the one shared menu at
    // `globalPos`, waits for it to close and puts everything back.
    void showColorContextMenu(
        const ColorContextMenu::Request &request, const QPoint &globalPos) override;
    void PrepareCopyColorMenu(ColorValue color);
    ColorContextMenu *colorContextMenu() const override { return m_contextMenu; }

    // Refreshes the views derived from the active colour without the bus.
    void DoSyncDesktop(const QString &sMsg) override;
    // Offers a colour to the recent colours strip (only while a palette is the
    // active child).
    void AddToRecentColors(ColorValue color, const QString &webColor) override;
    // Favourite slot `index` takes `color`; other indexes do nothing.
    void AddToFavourite(int index, ColorValue color);
    // Restores recent colours, favourites and the remembered palette once a
    // close has saved them; start-up calls it after the first palette opens.
    void LoadAppState();

    static bool FileExist(const QString &path);

    DocumentArea *documentArea() const { return m_documentArea; }
    ColorInfoPanel *colorInfoPanel() const { return m_colorInfo; }
    ucRecent *pRecent() const;
    QString statusText(int box) const;
    // The palette windows show their selected cell's texts here too.
    void setStatusTexts(const ColorTexts &texts) override;
    QTabWidget *optionsTabs() const { return m_tsOptions; }
    QTabWidget *toolsTabs() const { return m_tsTools; }
    QToolBar *mainToolBar() const { return m_tbrMain; }
    const MainMenus &menus() const { return m_menus; }

    // The active child window when it is a palette document, else nullptr.
    frmPalette *activePaletteWindow() const override;
    bool isActivePalette(const frmPalette *palette) const override;

    // Menu commands invoked by other windows and by start-up.
    void mnuSetAsBackGround_Click();
    // "&New Palette": a new, shown palette titled "Tintwright Palette <n>".
    frmPalette *mnuFileNew_Click() override;
    // Puts a new palette window (not yet shown) into the document area.
    frmPalette *createPaletteWindow() override;
    void mnuFileSave_Click() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildToolArea();
    void buildStatusStrip();
    void connectContextMenu();

    void cMsgs_Notification(const QString &sMsg);
    void showActiveColor();
    bool queryCloseChildren();
    void saveRectangle();
    void restoreRectangle();
    void copyToClipboard(const QString &text);
    void mnuAddToPalette_Click();
    void mnuCloseAll_Click();
    void updateWindowMenu();

    DocumentArea *m_documentArea;
    ToolPages::Containers m_toolContainers;
    ToolPages *m_toolPages = nullptr;
    PaletteCommands *m_paletteCommands = nullptr;
    RecentColorsCommands *m_recentColors = nullptr;
    AppState *m_appState = nullptr;
    ColorInfoPanel *m_colorInfo;
    ColorContextMenu *m_contextMenu;
    QToolBar *m_tbrMain = nullptr;
    QAction *m_alwaysOnTopAction = nullptr;
    MainMenus m_menus;
    QAction *m_windowListSeparator = nullptr;
    QTabWidget *m_tsOptions = nullptr;
    QTabWidget *m_tsTools = nullptr;
    std::array<QLineEdit *, 3> m_txtPanel {};
    bool m_alwaysOnTop = false;
    ColorValue m_lastRecordedColor = -1;
    QString m_lastRecordedWebColor;
};
