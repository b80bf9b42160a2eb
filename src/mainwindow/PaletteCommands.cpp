#include "mainwindow/PaletteCommands.h"

#include "app/FileDialog.h"
#include "app/PlatformServices.h"
#include "mainwindow/DocumentArea.h"
#include "mainwindow/ExportCommands.h"
#include "mainwindow/frm_MDIMain.h"
#include "palette/frmPalette.h"
#include "widgets/ColorContextMenu.h"

#include <QAction>
#include <QMdiSubWindow>

namespace {

const QString kPaletteExtension = QStringLiteral(".twp");

} // namespace

PaletteCommands::PaletteCommands(frm_MDIMain *main) : QObject(main), m_main(main)
{
    connectMenus();
    connectContextMenu();
    connect(m_main->documentArea(), &QMdiArea::subWindowActivated, this,
        &PaletteCommands::updateEnabled);
    updateEnabled();
}

template<typename Operation> void PaletteCommands::onActivePalette(Operation operation)
{
    if (frmPalette *palette = m_main->activePaletteWindow())
        operation(palette);
}

void PaletteCommands::connectMenus()
{
    const MainMenus &menus = m_main->menus();
    connect(menus.mnuFileNew, &QAction::triggered, this, &PaletteCommands::mnuFileNew_Click);
    connect(menus.mnuFileOpen, &QAction::triggered, this, &PaletteCommands::mnuFileOpen_Click);
    connect(menus.mnuFileSave, &QAction::triggered, this, &PaletteCommands::mnuFileSave_Click);
    connect(menus.mnuFileSaveAs, &QAction::triggered, this, &PaletteCommands::mnuFileSaveAs_Click);
    menus.mnuFileNew->setEnabled(true);
    menus.mnuFileOpen->setEnabled(true);

    // The Edit menu works on the whole active palette, like its toolbar.
    const struct {
        QAction *item;
        const char *code; // toolbar key; nullptr for undo and redo
        bool undo;
    } edits[] = {
        { menus.mnuEditUndo, nullptr, true },
        { menus.mnuRedo, nullptr, false },
        { menus.mnuEditDarken2, "S-", false },
        { menus.mnuEditLighten2, "S+", false },
        { menus.mnuEditSaturate2, "V+", false },
        { menus.mnuEditDesaturate2, "V-", false },
    };
    for (const auto &edit : edits) {
        const QString code = edit.code ? QString::fromLatin1(edit.code) : QString();
        const bool undo = edit.undo;
        connect(edit.item, &QAction::triggered, this, [this, code, undo] {
            onActivePalette([&](frmPalette *palette) {
                if (!code.isEmpty())
                    palette->AdjustPalette(code);
                else if (undo)
                    palette->RollBack();
                else
                    palette->RollForward();
            });
        });
    }
}

void PaletteCommands::connectContextMenu()
{
    ColorContextMenu *menu = m_main->colorContextMenu();
    menu->setAdjustAvailable(true);
    menu->mnuEraseColor->setEnabled(true);
    // Both act on the cell the palette made current before showing the menu.
    connect(menu->mnuEraseColor, &QAction::triggered, this, [this] {
        if (auto *palette = qobject_cast<frmPalette *>(m_main->ActivePalette.data())) {
            const cCell cell = palette->model().currentCell();
            palette->SetCellColorRC(cell.row, cell.col, kEmptyCell);
        }
    });
    const struct {
        QAction *action;
        const char *word;
    } adjustments[] = {
        { menu->mnuEditLighten, "lighten" },
        { menu->mnuEditDarken, "darken" },
        { menu->mnuEditSaturate, "saturate" },
        { menu->mnuEditDesaturate, "desaturate" },
    };
    for (const auto &adjustment : adjustments) {
        const QString word = QString::fromLatin1(adjustment.word);
        connect(adjustment.action, &QAction::triggered, this, [this, word] {
            if (auto *palette = qobject_cast<frmPalette *>(m_main->ActivePalette.data()))
                palette->AdjustCell(word);
        });
    }
}

void PaletteCommands::updateEnabled()
{
    const bool palette = m_main->activePaletteWindow() != nullptr;
    const MainMenus &menus = m_main->menus();
    for (QAction *item : { menus.mnuFileSave, menus.mnuFileSaveAs, menus.mnuEditUndo, menus.mnuRedo,
             menus.mnuEditDarken2, menus.mnuEditLighten2, menus.mnuEditSaturate2,
             menus.mnuEditDesaturate2 })
        item->setEnabled(palette);
}

frmPalette *PaletteCommands::mnuFileNew_Click()
{
    ++m_paletteCounter;
    frmPalette *palette = m_main->createPaletteWindow();
    palette->model().setCaption(QStringLiteral("Tintwright Palette %1").arg(m_paletteCounter));
    palette->parentWidget()->show();
    return palette;
}

void PaletteCommands::mnuFileOpen_Click()
{
    const QString path = ShowFileDialog(m_main, QStringLiteral("Select Palette File"),
        kPaletteExtension, false, {}, ExportCommands::openFilters());
    if (path.isEmpty() || ExportCommands::openForeignPalette(m_main, path))
        return;
    frmPalette *palette = m_main->createPaletteWindow();
    palette->setFileName(path);
    if (!palette->Load()) {
        // Nothing was read: a window for a file that could not be opened
        // would only be an empty, misnamed palette.
        palette->agreeToClose();
        palette->parentWidget()->close();
        return;
    }
    palette->parentWidget()->show();
}

void PaletteCommands::mnuFileSave_Click()
{
    onActivePalette([this](frmPalette *palette) {
        QString path = palette->FileName();
        if (path.isEmpty())
            path = ShowFileDialog(
                m_main, QStringLiteral("Select File Name"), kPaletteExtension, true);
        if (!path.isEmpty())
            palette->Save(path);
    });
}

void PaletteCommands::mnuFileSaveAs_Click()
{
    onActivePalette([this](frmPalette *palette) {
        const QString path
            = ShowFileDialog(m_main, QStringLiteral("Select File Name"), kPaletteExtension, true);
        if (path.isEmpty())
            return;
        if (frm_MDIMain::FileExist(path)) {
            const auto answer = PlatformServices::get().messageBox(m_main,
                path + QStringLiteral(" already exits.\r\nDo you want to replace it?"),
                PlatformServices::Buttons::YesNo, PlatformServices::Icon::Exclamation,
                QStringLiteral("Palette Exists"));
            if (answer == PlatformServices::Answer::No)
                return;
        }
        palette->Save(path);
    });
}
