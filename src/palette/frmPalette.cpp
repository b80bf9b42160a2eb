#include "palette/frmPalette.h"

#include "app/FileDialog.h"
#include "app/PathOperations.h"
#include "app/PlatformServices.h"
#include "app/SafeFileWriter.h"
#include "app/VendorSite.h"
#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"
#include "palette/PaletteHost.h"
#include "widgets/AppIcons.h"
#include "widgets/ColorDrag.h"
#include "widgets/ColorFormats.h"
#include "widgets/ColorGrid.h"
#include "widgets/ReadoutBox.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// The base cell size: 36 pixels high, and as wide as the screen's shape.
QSize baseCellSize(const QWidget *widget)
{
    const QScreen *screen = widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize(4, 3);
    const double ratio
        = screenSize.height() > 0 ? double(screenSize.width()) / screenSize.height() : 4.0 / 3.0;
    return { qRound(36 * ratio), 36 };
}

} // namespace

frmPalette::frmPalette(PaletteHost *host, QWidget *parent)
    : QWidget(parent), m_host(host), m_flxGrid(new ColorGrid(kPaletteRows, kPaletteCols))
{
    setObjectName(QStringLiteral("frmPalette"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(AppIcons::icon(AppIcons::Kind::NewPalette));
    m_flxGrid->setObjectName(QStringLiteral("flxGrid"));
    m_flxGrid->setShowCurrentCell(true);
    m_flxGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_flxGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_flxGrid->setAcceptDrops(true);
    m_flxGrid->viewport()->setAcceptDrops(true);

    buildToolBar();
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("pPanel"));
    auto *readouts = new QHBoxLayout(panel);
    readouts->setContentsMargins(0, 0, 0, 0);
    readouts->setSpacing(4);
    for (int box = 0; box < 3; ++box) {
        QLineEdit *text = createReadoutBox(QStringLiteral("txtPanel%1").arg(box));
        readouts->addWidget(text);
        m_txtPanel[box] = text;
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(m_tbrPalette);
    layout->addWidget(m_flxGrid, 1);
    layout->addWidget(panel);

    connectModel();
    connect(m_flxGrid, &ColorGrid::cellPressed, this,
        [this](int row, int col, Qt::MouseButton button, const QPoint &) {
            flxGrid_Pressed(row, col, button);
        });
    connect(m_flxGrid, &ColorGrid::cellReleased, this, &frmPalette::flxGrid_MouseUp);
    // A new palette frames (0, 0), the model's current cell, from the start.
    m_flxGrid->setCurrentCell(0, 0);
    // However the grid's frame moves (click, arrow keys, any mouse button),
    // the model's current cell moves with it: they are one state.
    connect(m_flxGrid, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
        if (row < 0 || col < 0)
            return;
        m_model.setCurrentCell(row, col);
        SelectionChanged(m_flxGrid->cellColor(row, col));
    });

    QApplication::setOverrideCursor(Qt::WaitCursor);
    Init();
    m_model.SelectCell(0, 0);
    // The readouts always describe the current cell, also before any change;
    // the main window's boxes keep showing the active colour until the user
    // selects a cell.
    showReadouts(ColorFormats::readouts(m_model.shownColor(0, 0)));
    QApplication::restoreOverrideCursor();

    const QSize cell = baseCellSize(this);
    m_flxGrid->setCellSize(cell.width(), cell.height());
    const int frame = 2 * m_flxGrid->frameWidth();
    m_flxGrid->setMinimumSize(
        kPaletteCols * cell.width() + frame, kPaletteRows * cell.height() + frame);
    // Wide enough for every toolbar button; the grid's cells grow to match.
    m_tbrPalette->setMinimumWidth(m_tbrPalette->sizeHint().width());
    watchChildren(true);
}

frmPalette::~frmPalette()
{
    // The children outlive this part of the object while they are destroyed.
    watchChildren(false);
}

// The window sees key presses before its controls, whichever has the focus
// (readout boxes and toolbar included), and drops on the grid's viewport.
void frmPalette::watchChildren(bool watch)
{
    QList<QWidget *> widgets = findChildren<QWidget *>();
    widgets.append(this);
    for (QWidget *widget : std::as_const(widgets)) {
        if (watch)
            widget->installEventFilter(this);
        else
            widget->removeEventFilter(this);
    }
}

void frmPalette::buildToolBar()
{
    m_tbrPalette = new QToolBar;
    m_tbrPalette->setObjectName(QStringLiteral("tbrPalette"));
    m_tbrPalette->setIconSize(QSize(18, 18));
    struct Button {
        const char *key;
        const char *tooltip;
        AppIcons::Kind icon;
    };
    const Button buttons[] = {
        { "Undo", "Undo", AppIcons::Kind::Undo },
        { "Redo", "Redo", AppIcons::Kind::Redo },
        { "S+", "Lighten", AppIcons::Kind::Lighten },
        { "S-", "Darken", AppIcons::Kind::Darken },
        { "V+", "Saturate", AppIcons::Kind::Saturate },
        { "V-", "Desaturate", AppIcons::Kind::Desaturate },
        { "Copy", "Clone", AppIcons::Kind::Clone },
        { "Reset", "Clear", AppIcons::Kind::Clear },
        { "Save", "Save palette", AppIcons::Kind::SavePalette },
    };
    for (const Button &button : buttons) {
        const QString key = QString::fromLatin1(button.key);
        QAction *action = m_tbrPalette->addAction(
            AppIcons::icon(button.icon), QString::fromLatin1(button.tooltip));
        action->setObjectName(key);
        action->setToolTip(QString::fromLatin1(button.tooltip));
        connect(action, &QAction::triggered, this, [this, key] { tbrPalette_ButtonClick(key); });
    }
}

void frmPalette::connectModel()
{
    connect(&m_model, &PaletteModel::cellChanged, this, &frmPalette::showCell);
    connect(&m_model, &PaletteModel::cellsReset, this, &frmPalette::ResetGrid);
    connect(&m_model, &PaletteModel::currentCellChanged, this, [this](int row, int col) {
        if (m_flxGrid->currentRow() != row || m_flxGrid->currentColumn() != col)
            m_flxGrid->setCurrentCell(row, col);
        m_flxGrid->viewport()->update();
    });
    connect(&m_model, &PaletteModel::selectionChanged, this, &frmPalette::SelectionChanged);
    connect(&m_model, &PaletteModel::captionChanged, this, &QWidget::setWindowTitle);
    setWindowTitle(m_model.caption());
}

void frmPalette::Init()
{
    m_model.Init();
    disconnect(cls_MsgServer::instance(), nullptr, this, nullptr);
    connect(cls_MsgServer::instance(), &cls_MsgServer::Notification, this,
        &frmPalette::cMsgServer_Notification);
}

void frmPalette::Reset()
{
    m_model.Reset();
}

void frmPalette::ResetGrid()
{
    m_flxGrid->setUpdatesEnabled(false);
    for (int row = 0; row < kPaletteRows; ++row) {
        for (int col = 0; col < kPaletteCols; ++col)
            m_flxGrid->setCellColor(row, col, m_model.shownColor(row, col));
    }
    m_flxGrid->setUpdatesEnabled(true);
    // Clear, undo and redo change the current cell's colour with the rest.
    // The main window's boxes keep describing the active colour.
    const cCell current = m_model.currentCell();
    showReadouts(ColorFormats::readouts(m_model.shownColor(current.row, current.col)));
}

void frmPalette::showCell(int row, int col)
{
    m_flxGrid->setCellColor(row, col, m_model.shownColor(row, col));
}

void frmPalette::SelectionChanged(ColorValue color)
{
    const ColorTexts texts = ColorFormats::readouts(color);
    showReadouts(texts);
    if (m_host)
        m_host->setStatusTexts(texts);
}

void frmPalette::showReadouts(const ColorTexts &texts)
{
    m_txtPanel[0]->setText(texts.decimal);
    m_txtPanel[1]->setText(texts.ampersandHex);
    m_txtPanel[2]->setText(texts.web);
}

QString frmPalette::readout(int box) const
{
    return m_txtPanel.at(box)->text();
}

void frmPalette::SetNextCell(ColorValue inColor)
{
    m_model.SetNextCell(inColor);
}

void frmPalette::SetFreeCellColor(ColorValue inColor)
{
    m_model.SetFreeCellColor(inColor);
}

void frmPalette::SelectCell(int inRow, int inCol)
{
    m_model.SelectCell(inRow, inCol);
}

void frmPalette::SetCellColorRC(int inRow, int inCol, ColorValue inColor)
{
    m_model.SetCellColorRC(inRow, inCol, inColor);
}

ColorValue frmPalette::GetColor(int inRow, int inCol) const
{
    return m_model.GetColor(inRow, inCol);
}

void frmPalette::AdjustPalette(const QString &inCode)
{
    m_flxGrid->setUpdatesEnabled(false);
    m_model.AdjustPalette(inCode);
    m_flxGrid->setUpdatesEnabled(true);
}

void frmPalette::AdjustCell(const QString &inFunction)
{
    m_model.AdjustCell(inFunction);
}

void frmPalette::RollBack()
{
    if (!m_model.RollBack())
        PlatformServices::get().beep();
}

void frmPalette::RollForward()
{
    if (!m_model.RollForward())
        PlatformServices::get().beep();
}

void frmPalette::SaveUndoInfo()
{
    m_model.SaveUndoInfo();
}

void frmPalette::Clone(frmPalette *inPalette)
{
    if (inPalette)
        m_model.Clone(inPalette->model());
}

bool frmPalette::Save(const QString &inFile)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PaletteModel::FileResult result = m_model.Save(inFile);
    QApplication::restoreOverrideCursor();
    if (!result && !result.error.isEmpty())
        PlatformServices::get().messageBox(
            this, result.error, PlatformServices::Buttons::Ok, PlatformServices::Icon::Critical);
    return result.ok;
}

bool frmPalette::Load()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PaletteModel::FileResult result = m_model.Load();
    QApplication::restoreOverrideCursor();
    if (!result && !result.error.isEmpty())
        PlatformServices::get().messageBox(
            this, result.error, PlatformServices::Buttons::Ok, PlatformServices::Icon::Critical);
    return result.ok;
}

void frmPalette::ExportTo(const QString &Dest)
{
    ExportTo(mod_Export::FormatForKey(Dest));
}

void frmPalette::ExportTo(mod_Export::Format format)
{
    const mod_Export::DialogRow row = mod_Export::DialogRowFor(format);
    const QString path = ShowFileDialog(
        window(), QStringLiteral("Select Export File:"), row.defaultExt, true, row.filterName);
    if (path.isEmpty())
        return;
    const mod_Export::ExportList colors = mod_Export::BuildExportList(m_model.colors());
    if (colors.isEmpty() && !mod_Export::WritesEmptyPalette(format)) {
        PlatformServices::get().messageBox(this, QStringLiteral("The Tintwright Palette is Empty!"),
            PlatformServices::Buttons::Ok, PlatformServices::Icon::Information);
        return;
    }
    const mod_Export::ExportContext context {
        m_model.FileName().isEmpty() ? m_model.caption() : GetFileBaseName(m_model.FileName()),
        VendorSite::url(QStringLiteral("/")).toString(),
    };
    const SafeFileWriter::Result written
        = SafeFileWriter::write(path, mod_Export::Write(format, colors, context));
    if (!written)
        PlatformServices::get().messageBox(this,
            QStringLiteral("Error: ") + written.error + QStringLiteral("\r\n")
                + mod_Export::FailureText(format),
            PlatformServices::Buttons::Ok, PlatformServices::Icon::Critical);
}

frmPalette *frmPalette::ClonePalette()
{
    if (!m_host)
        return nullptr;
    frmPalette *copy = m_host->createPaletteWindow();
    copy->Init();
    copy->Clone(this);
    copy->parentWidget()->show();
    return copy;
}

void frmPalette::PromptForErase()
{
    const auto answer = PlatformServices::get().messageBox(this,
        QStringLiteral("Do you want to erase the current palette?"),
        PlatformServices::Buttons::YesNo, PlatformServices::Icon::Question);
    if (answer == PlatformServices::Answer::Yes)
        m_model.Reset();
}

void frmPalette::tbrPalette_ButtonClick(const QString &key)
{
    if (key == QLatin1String("Undo"))
        RollBack();
    else if (key == QLatin1String("Redo"))
        RollForward();
    else if (key == QLatin1String("Copy"))
        ClonePalette();
    else if (key == QLatin1String("Reset"))
        PromptForErase();
    else if (key == QLatin1String("Save")) {
        if (m_host)
            m_host->mnuFileSave_Click();
    } else
        AdjustPalette(key);
}

void frmPalette::cMsgServer_Notification(const QString &sMsg)
{
    if (sMsg == kActiveColorChanged && m_host && m_host->isActivePalette(this))
        m_model.applyActiveColor(ProcessState::ActiveColor);
}

void frmPalette::flxGrid_Pressed(int row, int col, Qt::MouseButton button)
{
    if (button != Qt::LeftButton)
        return;
    const PaletteModel::ClickOutcome outcome = m_model.clickCell(row, col);
    if (!outcome.setsActiveColor)
        return;
    ProcessState::ActiveColor = outcome.color;
    if (outcome.announce && m_host)
        m_host->DoSyncDesktop(kActiveColorChanged);
}

void frmPalette::flxGrid_MouseUp(int row, int col, Qt::MouseButton button, const QPoint &globalPos)
{
    if (button != Qt::RightButton || !m_host)
        return;
    ColorContextMenu::Request request;
    request.color = m_model.contextColor(row, col);
    request.paletteCell = true;
    m_host->showColorContextMenu(request, globalPos);
}

bool frmPalette::flxGrid_DragDrop(QDropEvent *event)
{
    const std::optional<ColorValue> color = ColorDrag::colorFromMime(event->mimeData());
    if (!color)
        return false;
    const QPoint cell = m_flxGrid->cellAtClamped(event->position().toPoint());
    const bool announce = m_model.dropColor(cell.y(), cell.x(), *color);
    ProcessState::ActiveColor = *color;
    if (announce && m_host) {
        m_host->AddToRecentColors(*color, QString::fromStdString(ColorToHex(*color)));
        m_host->DoSyncDesktop(kActiveColorChanged);
    }
    event->acceptProposedAction();
    return true;
}

bool frmPalette::keyPressed(QKeyEvent *event)
{
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    char16_t character = 0;
    if (ctrl && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        character = char16_t(event->key() - Qt::Key_A + 1); // control characters 1..26
    else if (!event->text().isEmpty())
        character = event->text().at(0).unicode();
    if (!character)
        return false;
    const PaletteModel::KeyResult result = m_model.handleKey(character, ctrl);
    if (result == PaletteModel::KeyResult::Refused)
        PlatformServices::get().beep();
    return result != PaletteModel::KeyResult::Ignored;
}

bool frmPalette::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPressed(static_cast<QKeyEvent *>(event));
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (watched == m_flxGrid->viewport()) {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (ColorDrag::colorFromMime(drag->mimeData()))
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        break;
    case QEvent::Drop:
        if (watched == m_flxGrid->viewport())
            return flxGrid_DragDrop(static_cast<QDropEvent *>(event));
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmPalette::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutGrid();
}

void frmPalette::layoutGrid()
{
    // Cells grow with the window but never below their base size.
    const QSize base = baseCellSize(this);
    const int frame = 2 * m_flxGrid->frameWidth();
    const QSize inside = m_flxGrid->size() - QSize(frame, frame);
    const int width = qMax(base.width(), inside.width() / kPaletteCols);
    const int height = qMax(base.height(), inside.height() / kPaletteRows);
    m_flxGrid->setUpdatesEnabled(false);
    m_flxGrid->setCellSize(width, height);
    // The last column and row take the few pixels the division leaves, so
    // the cells fill the grid without a sliver at its edges.
    m_flxGrid->setColumnWidth(
        kPaletteCols - 1, qMax(width, inside.width() - (kPaletteCols - 1) * width));
    m_flxGrid->setRowHeight(
        kPaletteRows - 1, qMax(height, inside.height() - (kPaletteRows - 1) * height));
    m_flxGrid->setUpdatesEnabled(true);
}

bool frmPalette::Form_QueryUnload()
{
    if (!m_model.Dirty())
        return true;
    const QString question = m_model.FileName().isEmpty()
        ? QStringLiteral("Save Changes?")
        : QStringLiteral("Save Changes to %1?").arg(m_model.FileName());
    const auto answer = PlatformServices::get().messageBox(
        this, question, PlatformServices::Buttons::YesNoCancel, PlatformServices::Icon::Question);
    if (answer == PlatformServices::Answer::No)
        return true;
    if (answer == PlatformServices::Answer::Yes) {
        QString path = m_model.FileName();
        if (path.isEmpty())
            path = ShowFileDialog(window(), QStringLiteral("Select File Name"),
                QStringLiteral(".twp"), true, QString());
        if (Save(path))
            return true;
    }
    return false;
}

void frmPalette::closeEvent(QCloseEvent *event)
{
    if (!m_closeAgreed && !Form_QueryUnload()) {
        // Stops a Close All in progress; also when saving failed, so that
        // Close All cannot ask about this window forever.
        ProcessState::CloseCancelled = true;
        event->ignore();
        return;
    }
    disconnect(cls_MsgServer::instance(), nullptr, this, nullptr);
    event->accept();
}
