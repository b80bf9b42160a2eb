#include "mainwindow/frm_MDIMain.h"

#include "app/PlatformServices.h"
#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/Twips.h"
#include "app/WindowPlacement.h"
#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"
#include "help/frm_Tip.h"
#include "mainwindow/AppState.h"
#include "mainwindow/ColorInfoPanel.h"
#include "mainwindow/ColorPickerCommands.h"
#include "mainwindow/DocumentArea.h"
#include "mainwindow/ExportCommands.h"
#include "mainwindow/FavoriteCommands.h"
#include "mainwindow/HelpCommands.h"
#include "mainwindow/HexColorCommands.h"
#include "mainwindow/PaletteCommands.h"
#include "mainwindow/PreviewCommands.h"
#include "mainwindow/RecentColorsCommands.h"
#include "mainwindow/TabStripSwitching.h"
#include "mainwindow/WorkspaceCommands.h"
#include "palette/frmPalette.h"
#include "tools/FavoritesPage.h"
#include "tools/ToolPages.h"
#include "widgets/AppIcons.h"
#include "widgets/ColorFormats.h"
#include "widgets/MdiChild.h"
#include "widgets/ReadoutBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QShortcutEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QString mnemonicLetter(const QString &caption)
{
    return QKeySequence::mnemonic(caption).toString().right(1).toUpper();
}

struct ToolBarButton {
    const char *key; // nullptr: a separator
    AppIcons::Kind icon;
    QAction *MainMenus::*menuItem; // the menu command the button stands for
};

const ToolBarButton kToolBarButtons[] = {
    { "New", AppIcons::Kind::NewPalette, &MainMenus::mnuFileNew },
    { "Open", AppIcons::Kind::OpenPalette, &MainMenus::mnuFileOpen },
    { "Save", AppIcons::Kind::SavePalette, &MainMenus::mnuFileSave },
    { nullptr, AppIcons::Kind::App, nullptr },
    { "webpreview", AppIcons::Kind::WebPreview, &MainMenus::mnuWebPreview },
    { "vectorimgpreview", AppIcons::Kind::VectorPreview, &MainMenus::mnuVectorImagePreview },
    { "sbrpreview", AppIcons::Kind::ScrollBarPreview, &MainMenus::mnuScrollBarPreview },
    { "EyeDropper", AppIcons::Kind::EyeDropper, &MainMenus::mnuScreenColorPicker },
    { nullptr, AppIcons::Kind::App, nullptr },
};

constexpr QSize kToolBarIconSize(24, 24);

// Any document area at least this large shows the logo at its full size.
constexpr QSize kUsualDocumentArea(400, 400);

QWidget *addPage(QTabWidget *tabs, const QString &name, const QString &caption)
{
    auto *widget = new QWidget;
    widget->setObjectName(name);
    tabs->addTab(widget, caption);
    return widget;
}

} // namespace

frm_MDIMain::frm_MDIMain(QWidget *parent)
    : QMainWindow(parent), m_documentArea(new DocumentArea), m_colorInfo(new ColorInfoPanel),
      m_contextMenu(new ColorContextMenu(this))
{
    setObjectName(QStringLiteral("frm_MDIMain"));
    setWindowTitle(QStringLiteral("Tintwright"));
    setWindowIcon(AppIcons::icon(AppIcons::Kind::App));
    buildMenus();
    buildToolBar();
    buildToolArea();
    buildStatusStrip();
    connectContextMenu();
    m_paletteCommands = new PaletteCommands(this);
    new ExportCommands(this);
    new HelpCommands(this);
    new PreviewCommands(this);
    m_toolPages = new ToolPages(this, m_toolContainers, this);
    new TabStripSwitching(m_tsOptions, m_tsTools, this);
    new ColorPickerCommands(this);
    new WorkspaceCommands(this);
    new FavoriteCommands(this);
    new HexColorCommands(this);
    m_appState = new AppState(this, pRecent(), m_toolPages->favoritesPage());
    connect(m_documentArea, &QMdiArea::subWindowActivated, this,
        [this] { ActivePalette = activePaletteWindow(); });
}

void frm_MDIMain::prerenderArtwork(ColorValue background, qreal devicePixelRatio)
{
    QList<AppIcons::Kind> kinds;
    for (const ToolBarButton &button : kToolBarButtons) {
        if (button.key)
            kinds.append(button.icon);
    }
    kinds.append(AppIcons::Kind::PinOff);
    AppIcons::prerender(kinds, { kToolBarIconSize }, devicePixelRatio);
    AppIcons::prerender({ AppIcons::Kind::App },
        { QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48) }, devicePixelRatio);
    prerenderProductLogo(productLogoSide(kUsualDocumentArea), background, devicePixelRatio);
}

frm_MDIMain::~frm_MDIMain()
{
    // Document windows go first, while the area they live in is intact.
    const QList<QMdiSubWindow *> windows = m_documentArea->subWindowList();
    for (QMdiSubWindow *window : windows)
        delete window;
}

void frm_MDIMain::buildMenus()
{
    m_menus.build(menuBar());
    connect(m_menus.mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(m_menus.mnuCascade, &QAction::triggered, m_documentArea, &QMdiArea::cascadeSubWindows);
    connect(m_menus.mnuTileVertically, &QAction::triggered, m_documentArea,
        &DocumentArea::tileVertically);
    connect(m_menus.mnuTileHorizontally, &QAction::triggered, m_documentArea,
        &DocumentArea::tileHorizontally);
    connect(
        m_menus.mnuArrangeIcons, &QAction::triggered, m_documentArea, &DocumentArea::arrangeIcons);
    connect(m_menus.mnuCloseAll, &QAction::triggered, this, &frm_MDIMain::mnuCloseAll_Click);
    m_windowListSeparator = m_menus.mnuWindow->addSeparator();
    connect(m_menus.mnuWindow, &QMenu::aboutToShow, this, &frm_MDIMain::updateWindowMenu);
    connect(m_menus.mnuHelpQuickTips, &QAction::triggered, this,
        [this] { frm_Tip::ShowQuickTips(this); });
}

void frm_MDIMain::buildToolBar()
{
    m_tbrMain = addToolBar(QStringLiteral("Main"));
    m_tbrMain->setObjectName(QStringLiteral("tbrMain"));
    m_tbrMain->setMovable(false);
    m_tbrMain->setIconSize(kToolBarIconSize);
    m_tbrMain->toggleViewAction()->setEnabled(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    const QMap<QString, QString> tooltips = {
        { QStringLiteral("webpreview"), QStringLiteral("Web Preview") },
        { QStringLiteral("vectorimgpreview"), QStringLiteral("Vector Image Preview") },
        { QStringLiteral("sbrpreview"), QStringLiteral("Scroll Bar Preview") },
        { QStringLiteral("EyeDropper"), QStringLiteral("Eyedropper Tool") },
    };
    for (const ToolBarButton &button : kToolBarButtons) {
        if (!button.key) {
            m_tbrMain->addSeparator();
            continue;
        }
        // The button shares the menu item's action, so enabling one enables
        // both and a click runs exactly the menu command.
        QAction *menuAction = m_menus.*button.menuItem;
        const QString key = QString::fromLatin1(button.key);
        auto *action = new QAction(AppIcons::icon(button.icon), menuAction->text(), this);
        action->setObjectName(key);
        action->setToolTip(tooltips.value(
            key, QString(menuAction->text()).remove(u'&').remove(QStringLiteral("..."))));
        action->setEnabled(menuAction->isEnabled());
        connect(menuAction, &QAction::changed, action,
            [action, menuAction] { action->setEnabled(menuAction->isEnabled()); });
        connect(action, &QAction::triggered, menuAction, &QAction::trigger);
        m_tbrMain->addAction(action);
    }
    m_alwaysOnTopAction = m_tbrMain->addAction(
        AppIcons::icon(AppIcons::Kind::PinOff), QStringLiteral("Always On Top"));
    m_alwaysOnTopAction->setObjectName(QStringLiteral("always_on_top"));
    m_alwaysOnTopAction->setToolTip(QStringLiteral("Always On Top"));
    connect(
        m_alwaysOnTopAction, &QAction::triggered, this, [this] { setAlwaysOnTop(!m_alwaysOnTop); });
}

void frm_MDIMain::buildToolArea()
{
    m_tsOptions = new QTabWidget;
    m_tsOptions->setObjectName(QStringLiteral("tsOptions"));
    m_tsOptions->setTabPosition(QTabWidget::West);
    m_tsOptions->setDocumentMode(true);
    m_toolContainers.harmonies
        = addPage(m_tsOptions, QStringLiteral("pctOptBox1"), QStringLiteral("&Harmonies"));
    m_toolContainers.favorites
        = addPage(m_tsOptions, QStringLiteral("pctOptBox2"), QStringLiteral("&Favorites"));
    m_toolContainers.shades
        = addPage(m_tsOptions, QStringLiteral("pctOptBox3"), QStringLiteral("&Shades"));
    m_toolContainers.common
        = addPage(m_tsOptions, QStringLiteral("pctOptBox4"), QStringLiteral("&Common"));
    m_tsOptions->setFixedWidth(
        twipsToPixels(1500, this) + m_tsOptions->tabBar()->sizeHint().width());

    m_tsTools = new QTabWidget;
    m_tsTools->setObjectName(QStringLiteral("tsTools"));
    m_toolContainers.rgbSelector
        = addPage(m_tsTools, QStringLiteral("pctToolBox0"), QStringLiteral("&RGB Selector"));
    m_toolContainers.spectrum
        = addPage(m_tsTools, QStringLiteral("pctToolBox1"), QStringLiteral("Color &Spectrum"));
    m_toolContainers.webSafe
        = addPage(m_tsTools, QStringLiteral("pctToolBox2"), QStringLiteral("&Web Safe Palette"));
    m_toolContainers.matching = addPage(
        m_tsTools, QStringLiteral("pctToolBox3"), QStringLiteral("&Matching Palette Selector"));
    m_toolContainers.designer
        = addPage(m_tsTools, QStringLiteral("pctToolBox4"), QStringLiteral("&Color Designer"));
    m_tsOptions->tabBar()->installEventFilter(this);
    m_tsTools->tabBar()->installEventFilter(this);
    // The selector pages are laid out on an 8100 x 1080 twip surface.
    m_tsTools->setMinimumWidth(twipsToPixels(8100, this));
    m_tsTools->setFixedHeight(
        twipsToPixels(1080, this) + m_tsTools->tabBar()->sizeHint().height() + 8);

    // Options down the left, colour information on the right of the
    // documents, selectors along the bottom.
    auto *central = new QWidget;
    auto *grid = new QGridLayout(central);
    grid->setContentsMargins(4, 4, 4, 2);
    grid->setSpacing(6);
    grid->addWidget(m_tsOptions, 0, 0, 2, 1);
    grid->addWidget(m_documentArea, 0, 1);
    auto *sideColumn = new QVBoxLayout;
    sideColumn->setSpacing(6);
    sideColumn->addWidget(m_colorInfo);
    m_recentColors = new RecentColorsCommands(this, sideColumn);
    grid->addLayout(sideColumn, 0, 2);
    grid->addWidget(m_tsTools, 1, 1, 1, 2);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(1, 1);
    setCentralWidget(central);
}

void frm_MDIMain::buildStatusStrip()
{
    QStatusBar *strip = statusBar();
    strip->setObjectName(QStringLiteral("pPanel"));
    strip->setSizeGripEnabled(true);
    // Boxes 0, 1, 2 from left to right at the right end, 1215 twips apart.
    const int pitch = twipsToPixels(1215, this);
    for (int box = 0; box < 3; ++box) {
        QLineEdit *text = createReadoutBox(QStringLiteral("txtPanel%1").arg(box));
        text->setFixedWidth(qMax(pitch - strip->layout()->spacing(), text->minimumWidth()));
        strip->addPermanentWidget(text);
        m_txtPanel[box] = text;
    }
}

void frm_MDIMain::connectContextMenu()
{
    ColorContextMenu *menu = m_contextMenu;
    connect(menu->mnuAddToPalette, &QAction::triggered, this, &frm_MDIMain::mnuAddToPalette_Click);
    connect(menu->mnuSetAsBackGround, &QAction::triggered, this,
        &frm_MDIMain::mnuSetAsBackGround_Click);
    connect(menu->mnuCopyWebColor, &QAction::triggered, this,
        [this] { copyToClipboard(ColorFormats::copyWeb(ContextColor)); });
    connect(menu->mnuCopyHexColor, &QAction::triggered, this,
        [this] { copyToClipboard(ColorFormats::copyHex(ContextColor)); });
    connect(menu->mnuCopyRGBColor, &QAction::triggered, this,
        [this] { copyToClipboard(ColorFormats::copyRgb(ContextColor)); });
    connect(menu->mnuCopyHSVColor, &QAction::triggered, this,
        [this] { copyToClipboard(ColorFormats::copyHsv(ContextColor)); });
    connect(menu->mnuCopyCMYColor, &QAction::triggered, this,
        [this] { copyToClipboard(ColorFormats::copyCmy(ContextColor)); });
}

void frm_MDIMain::Form_Load()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    restoreRectangle();
    cMsgs = cls_MsgServer::instance();
    connect(cMsgs, &cls_MsgServer::Notification, this, &frm_MDIMain::cMsgs_Notification);

    m_colorInfo->setShowColorInfo(GetSettingBool(SettingsKeys::ColorInfo));
    connect(m_colorInfo, &ColorInfoPanel::showColorInfoToggled, this,
        [](bool show) { SaveSettingBool(SettingsKeys::ColorInfo, show); });

    ContextColor = GetSettingInt(SettingsKeys::BackColor);
    mnuSetAsBackGround_Click();

    // The busy pointer goes as the window appears, just before its native
    // window exists: a window created under it would load the pointer theme's
    // busy animation (megabytes for common themes) only to drop it at once.
    QApplication::restoreOverrideCursor();
    show();
    QApplication::processEvents();
    m_toolPages->buildHiddenPages();
}

void frm_MDIMain::setAlwaysOnTop(bool onTop)
{
    if (onTop == m_alwaysOnTop)
        return;
    m_alwaysOnTop = onTop;
    m_alwaysOnTopAction->setIcon(
        AppIcons::icon(onTop ? AppIcons::Kind::PinOn : AppIcons::Kind::PinOff));
    m_alwaysOnTopAction->setCheckable(true);
    m_alwaysOnTopAction->setChecked(onTop);
    // Changing the flag re-creates the native window; keep it where it was.
    const QRect frame = geometry();
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    setGeometry(frame);
    if (wasVisible)
        show();
}

ColorValue frm_MDIMain::HoverColor() const
{
    return m_colorInfo->HoverColor();
}

ColorValue frm_MDIMain::backgroundColor() const
{
    return m_documentArea->backgroundColor();
}

void frm_MDIMain::showColorContextMenu(
    const ColorContextMenu::Request &request, const QPoint &globalPos)
{
    ContextColor = request.color;
    m_contextMenu->configure(request);
    m_contextMenu->exec(globalPos);
    m_contextMenu->restore();
}

void frm_MDIMain::PrepareCopyColorMenu(ColorValue color)
{
    m_contextMenu->PrepareCopyColorMenu(color);
}

void frm_MDIMain::cMsgs_Notification(const QString &sMsg)
{
    if (sMsg != kActiveColorChanged)
        return;
    showActiveColor();
    const ColorValue color = ProcessState::ActiveColor;
    if (ProcessState::StartupDone && color != m_lastRecordedColor) {
        AddToRecentColors(color, m_txtPanel[2]->text());
        m_lastRecordedColor = color;
        m_lastRecordedWebColor = m_txtPanel[2]->text();
    }
    DoSyncDesktop(sMsg);
}

void frm_MDIMain::showActiveColor()
{
    setStatusTexts(ColorFormats::readouts(ProcessState::ActiveColor));
}

void frm_MDIMain::setStatusTexts(const ColorTexts &texts)
{
    m_txtPanel[0]->setText(texts.decimal);
    m_txtPanel[1]->setText(texts.ampersandHex);
    m_txtPanel[2]->setText(texts.web);
}

bool frm_MDIMain::eventFilter(QObject *watched, QEvent *event)
{
    // Tab captions underline letters the menu bar uses too (&File and
    // &Favorites, &Help and &Harmonies, &Window and &Web Safe Palette). The
    // menus win: such an Alt shortcut opens the menu, not the tab.
    if (event->type() == QEvent::Shortcut && m_tsOptions && m_tsTools
        && (watched == m_tsOptions->tabBar() || watched == m_tsTools->tabBar())) {
        const QString letter
            = static_cast<QShortcutEvent *>(event)->key().toString().right(1).toUpper();
        for (QAction *menu : menuBar()->actions()) {
            if (!letter.isEmpty() && mnemonicLetter(menu->text()) == letter) {
                menuBar()->setActiveAction(menu);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

frmPalette *frm_MDIMain::activePaletteWindow() const
{
    // The current child stays the active one while another window of the
    // program (the eyedropper, a dialog) has the focus.
    QMdiSubWindow *active = m_documentArea->currentSubWindow();
    return active ? qobject_cast<frmPalette *>(active->widget()) : nullptr;
}

bool frm_MDIMain::isActivePalette(const frmPalette *palette) const
{
    return palette && activePaletteWindow() == palette;
}

frmPalette *frm_MDIMain::createPaletteWindow()
{
    auto *palette = new frmPalette(this);
    QMdiSubWindow *window = m_documentArea->addSubWindow(palette);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // Open at the size that shows the whole grid at its base cell size.
    palette->ensurePolished();
    window->setMinimumSize(window->minimumSizeHint());
    window->resize(window->minimumSizeHint());
    m_documentArea->placeCascaded(window);
    return palette;
}

frmPalette *frm_MDIMain::mnuFileNew_Click()
{
    return m_paletteCommands->mnuFileNew_Click();
}

void frm_MDIMain::mnuFileSave_Click()
{
    m_paletteCommands->mnuFileSave_Click();
}

void frm_MDIMain::DoSyncDesktop(const QString &sMsg)
{
    if (sMsg != kActiveColorChanged)
        return;
    m_toolPages->DoSyncDesktop();
}

void frm_MDIMain::AddToRecentColors(ColorValue color, const QString &webColor)
{
    m_recentColors->AddToRecentColors(color, webColor);
}

void frm_MDIMain::AddToFavourite(int index, ColorValue color)
{
    m_toolPages->favoritesPage()->AddToFavourite(index, color);
}

void frm_MDIMain::LoadAppState()
{
    m_appState->LoadAppState();
}

ucRecent *frm_MDIMain::pRecent() const
{
    return m_recentColors->pRecent();
}

bool frm_MDIMain::FileExist(const QString &path)
{
    return !path.isEmpty() && QFileInfo::exists(path);
}

QString frm_MDIMain::statusText(int box) const
{
    return m_txtPanel.at(box)->text();
}

void frm_MDIMain::mnuSetAsBackGround_Click()
{
    m_documentArea->setBackgroundColor(ContextColor);
}

void frm_MDIMain::mnuAddToPalette_Click()
{
    ProcessState::ActiveColor = ContextColor;
    cMsgs->Notify(kActiveColorChanged);
}

void frm_MDIMain::copyToClipboard(const QString &text)
{
    PlatformServices::get().setClipboardText(text);
}

void frm_MDIMain::mnuCloseAll_Click()
{
    ProcessState::CloseCancelled = false;
    while (QMdiSubWindow *active = m_documentArea->activeSubWindow()) {
        if (ProcessState::CloseCancelled)
            break;
        active->close();
        // A window that refused without saying so would loop forever.
        if (m_documentArea->activeSubWindow() == active && !ProcessState::CloseCancelled)
            break;
    }
}

void frm_MDIMain::updateWindowMenu()
{
    // The list of open child windows after the arrangement commands.
    const QList<QAction *> actions = m_menus.mnuWindow->actions();
    const qsizetype first = actions.indexOf(m_windowListSeparator) + 1;
    for (qsizetype i = first; i < actions.size(); ++i) {
        m_menus.mnuWindow->removeAction(actions[i]);
        delete actions[i];
    }
    const QList<QMdiSubWindow *> windows = m_documentArea->subWindowList();
    m_windowListSeparator->setVisible(!windows.isEmpty());
    int number = 1;
    for (QMdiSubWindow *window : windows) {
        const QString title = window->windowTitle();
        QAction *item = m_menus.mnuWindow->addAction(
            number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(title) : title);
        item->setCheckable(true);
        item->setChecked(window == m_documentArea->activeSubWindow());
        connect(item, &QAction::triggered, m_documentArea,
            [this, window] { m_documentArea->setActiveSubWindow(window); });
        ++number;
    }
}

bool frm_MDIMain::queryCloseChildren()
{
    const QList<QMdiSubWindow *> windows = m_documentArea->subWindowList();
    for (QMdiSubWindow *window : windows) {
        if (auto *child = dynamic_cast<MdiChild *>(window->widget())) {
            if (!child->Form_QueryUnload())
                return false;
        }
    }
    for (QMdiSubWindow *window : windows) {
        if (auto *child = dynamic_cast<MdiChild *>(window->widget()))
            child->agreeToClose();
    }
    return true;
}

void frm_MDIMain::closeEvent(QCloseEvent *event)
{
    // Query step: these are written even when a child then cancels.
    SaveSettingInt(SettingsKeys::LastColor, ProcessState::ActiveColor);
    m_appState->SaveAppState();
    if (!queryCloseChildren()) {
        event->ignore();
        return;
    }
    // Unload step.
    if (!isMinimized())
        saveRectangle();
    m_documentArea->closeAllSubWindows();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    SaveSettingInt(SettingsKeys::BackColor, m_documentArea->backgroundColor());
    if (cMsgs)
        disconnect(cMsgs, nullptr, this, nullptr);
    event->accept();
}

void frm_MDIMain::saveRectangle()
{
    // Frame position and client size, the same measures the restore applies.
    SaveSettingRect(SettingsKeys::MainWindowRect, QRect(pos(), size()), this);
}

void frm_MDIMain::restoreRectangle()
{
    const QRect rect = GetSettingRect(SettingsKeys::MainWindowRect, this);
    move(rect.topLeft());
    resize(rect.size());
}
