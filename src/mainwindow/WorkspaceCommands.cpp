#include "mainwindow/WorkspaceCommands.h"

#include "app/FileDialog.h"
#include "app/PathOperations.h"
#include "app/PlatformServices.h"
#include "app/SafeFileWriter.h"
#include "app/Twips.h"
#include "mainwindow/DocumentArea.h"
#include "mainwindow/PreviewCommands.h"
#include "mainwindow/frm_MDIMain.h"
#include "palette/frmPalette.h"
#include "previews/frm_ScrollBar.h"
#include "previews/frm_VectorImg.h"
#include "previews/frm_WebPreview.h"
#include "widgets/MdiChild.h"
#include "workspace/mod_Workspace.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMdiSubWindow>

#include <algorithm>

namespace {

using Answer = PlatformServices::Answer;
using Buttons = PlatformServices::Buttons;
using Icon = PlatformServices::Icon;

// A place read from a file is kept within this many twips of the document
// area's corner (about 700 inches): far enough for any arrangement of
// screens, near enough that no pixel arithmetic overflows.
constexpr float kFarthestPlace = 1.0e6f;

float withinReach(float twips)
{
    return std::clamp(twips, -kFarthestPlace, kFarthestPlace);
}

// A palette's place is its sub-window's, in twips like the previews'.
float leftOf(const QWidget *frame)
{
    return float(pixelsToTwips(frame->x(), frame));
}

float topOf(const QWidget *frame)
{
    return float(pixelsToTwips(frame->y(), frame));
}

void moveFrame(QWidget *frame, float left, float top)
{
    frame->move(twipsToPixels(withinReach(left), frame), twipsToPixels(withinReach(top), frame));
}

// The file's name without its folder, as the messages name it.
QString shortName(const QString &path)
{
    return GetFileBaseName(path) + QLatin1Char('.') + GetFileExtension(path);
}

// Shows the busy pointer for as long as it lives.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

} // namespace

WorkspaceCommands::WorkspaceCommands(frm_MDIMain *main) : QObject(main), m_main(main)
{
    const MainMenus &menus = m_main->menus();
    connect(menus.mnuSaveWorkspace, &QAction::triggered, this,
        &WorkspaceCommands::mnuSaveWorkspace_Click);
    connect(menus.mnuOpenWorkspace, &QAction::triggered, this,
        &WorkspaceCommands::mnuOpenWorkspace_Click);
    menus.mnuSaveWorkspace->setEnabled(true);
    menus.mnuOpenWorkspace->setEnabled(true);
}

QList<QMdiSubWindow *> WorkspaceCommands::documentWindows() const
{
    return m_main->documentArea()->subWindowList(QMdiArea::CreationOrder);
}

void WorkspaceCommands::mnuSaveWorkspace_Click()
{
    offerToSaveChangedPalettes();
    const QString path = ShowFileDialog(m_main, QStringLiteral("Save Workspace As"),
        QStringLiteral(".tww"), true, QStringLiteral("Save Workspace"));
    PlatformServices &platform = PlatformServices::get();
    if (frm_MDIMain::FileExist(path)
        && platform.messageBox(m_main,
               path + QStringLiteral(" already exits.\r\nDo you want to replace it?"),
               Buttons::YesNo, Icon::Exclamation, QStringLiteral("Workspace Exists"))
            == Answer::No)
        return;
    if (path.isEmpty())
        return;

    SafeFileWriter::Result written;
    {
        const BusyPointer busy;
        written = SafeFileWriter::write(path, mod_Workspace::SaveWorkspace(collect()));
    }
    if (!written) {
        platform.messageBox(m_main,
            QStringLiteral("Error: Failed to save Workspace!\r\n") + shortName(path)
                + QStringLiteral(": ") + written.error,
            Buttons::Ok, Icon::Critical, QStringLiteral("Save Workspace"));
        return;
    }
    platform.messageBox(m_main, QStringLiteral("Workspace Saved to: ") + shortName(path),
        Buttons::Ok, Icon::Information, QStringLiteral("Workspace Saved"));
}

void WorkspaceCommands::offerToSaveChangedPalettes()
{
    // Whatever the answers, the workspace is saved afterwards: a palette
    // left unsaved keeps the file it had, or none.
    for (QMdiSubWindow *window : documentWindows()) {
        auto *palette = qobject_cast<frmPalette *>(window->widget());
        if (!palette || !palette->Dirty())
            continue;
        m_main->documentArea()->setActiveSubWindow(window);
        QString path = palette->FileName();
        const QString question = path.isEmpty() ? QStringLiteral("Save Changes?")
                                                : QStringLiteral("Save Changes to %1?").arg(path);
        if (PlatformServices::get().messageBox(
                m_main, question, Buttons::YesNoCancel, Icon::Question)
            != Answer::Yes)
            continue;
        if (path.isEmpty())
            path = ShowFileDialog(
                m_main, QStringLiteral("Select File Name"), QStringLiteral(".twp"), true);
        palette->Save(path); // a cancelled dialog gives no name, and nothing is saved
    }
}

WorkspaceLists WorkspaceCommands::collect() const
{
    WorkspaceLists lists;
    for (QMdiSubWindow *window : documentWindows()) {
        QWidget *widget = window->widget();
        if (auto *palette = qobject_cast<frmPalette *>(widget)) {
            lists.palettes.append({ palette->FileName(), leftOf(window), topOf(window) });
        } else if (auto *web = qobject_cast<frm_WebPreview *>(widget)) {
            cWebPreview record;
            for (int k = 0; k < 8; ++k) {
                record.box[std::size_t(k)] = web->boxColor(k);
                record.label[std::size_t(k)] = web->labelColor(k);
            }
            record.bg = web->pageColor();
            record.left = web->Left();
            record.top = web->Top();
            lists.webPreviews.append(record);
        } else if (auto *bar = qobject_cast<frm_ScrollBar *>(widget)) {
            cScrollBar record { bar->Left(), bar->Top(), {} };
            for (int k = 0; k < 7; ++k)
                record.colour[std::size_t(k)] = bar->GetColor(k);
            lists.scrollBars.append(record);
        } else if (auto *image = qobject_cast<frm_VectorImg *>(widget)) {
            lists.vectorImgs.append({ image->Left(), image->Top() });
        }
    }
    return lists;
}

void WorkspaceCommands::mnuOpenWorkspace_Click()
{
    const QString path = ShowFileDialog(m_main, QStringLiteral("Open Workspace"),
        QStringLiteral(".tww"), false, QStringLiteral("*.tww"));
    if (path.isEmpty())
        return;
    PlatformServices &platform = PlatformServices::get();
    const QString caption = QStringLiteral("Load Workspace");
    if (!QFileInfo(path).isFile()) {
        platform.messageBox(m_main, QStringLiteral("Error: Workspace file not found!"), Buttons::Ok,
            Icon::Exclamation, caption);
        return;
    }
    if (!closeDocumentWindows())
        return;

    std::optional<WorkspaceLists> lists;
    {
        const BusyPointer busy;
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            lists = mod_Workspace::LoadWorkspace(file);
        if (lists)
            openWindows(*lists);
    }
    if (!lists)
        platform.messageBox(m_main, QStringLiteral("Error: Failed to load Workspace!"), Buttons::Ok,
            Icon::Exclamation, caption);
}

bool WorkspaceCommands::closeDocumentWindows()
{
    // Every window is asked before any closes, so that a Cancel leaves the
    // arrangement whole.
    const QList<QMdiSubWindow *> windows = documentWindows();
    QList<MdiChild *> agreed;
    for (QMdiSubWindow *window : windows) {
        if (auto *child = dynamic_cast<MdiChild *>(window->widget())) {
            if (!child->Form_QueryUnload())
                return false;
            agreed.append(child);
        }
    }
    for (MdiChild *child : agreed)
        child->agreeToClose();
    for (QMdiSubWindow *window : windows)
        window->close();
    QApplication::processEvents();
    return true;
}

void WorkspaceCommands::openWindows(const WorkspaceLists &lists)
{
    for (const cPalette &record : lists.palettes) {
        frmPalette *palette = m_main->createPaletteWindow();
        palette->setFileName(record.file);
        // A missing or unreadable file is reported by Load; the window
        // opens all the same, with what it could read.
        palette->Load();
        moveFrame(palette->parentWidget(), record.left, record.top);
        palette->parentWidget()->show();
    }
    auto *previews = m_main->findChild<PreviewCommands *>();
    for (const cWebPreview &record : lists.webPreviews) {
        // Its colours are those of the last preview closed, from the settings.
        previews->mnuWebPreview_Click()->Move(withinReach(record.left), withinReach(record.top));
    }
    for (const cScrollBar &record : lists.scrollBars) {
        frm_ScrollBar *bar = previews->mnuScrollBarPreview_Click();
        bar->Move(withinReach(record.left), withinReach(record.top));
        for (int k = 0; k < 7; ++k)
            bar->SetColour(k, record.colour[std::size_t(k)]);
        bar->pctBoard_Paint();
    }
    for (const cVectorImg &record : lists.vectorImgs) {
        previews->mnuVectorImagePreview_Click()->Move(
            withinReach(record.left), withinReach(record.top));
    }
}
