#include "mainwindow/ExportCommands.h"

#include "app/PlatformServices.h"
#include "mainwindow/frm_MDIMain.h"
#include "palette/PaletteImport.h"
#include "palette/frmPalette.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

ExportCommands::ExportCommands(frm_MDIMain *main) : QObject(main), m_main(main)
{
    const MainMenus &menus = m_main->menus();
    const struct {
        QAction *item;
        const char *key;
    } classic[] = {
        { menus.mnuExportToAct, "Act" },
        { menus.mnuExportToAI, "AI" },
        { menus.mnuExportToHTML, "HTML" },
        { menus.mnuExportToXML, "xml" },
    };
    // Enabled also without a palette: they beep then.
    for (const auto &row : classic) {
        const QString key = QString::fromLatin1(row.key);
        connect(row.item, &QAction::triggered, this,
            [this, key] { onActivePalette([&](frmPalette *palette) { palette->ExportTo(key); }); });
        row.item->setEnabled(true);
    }
    menus.mnuFileExport->addSeparator();
    using mod_Export::Format;
    mnuExportToGPL = addItem(
        "mnuExportToGPL", QStringLiteral("Export as GIMP Palette (.gpl)"), Format::GimpPalette);
    mnuExportToASE = addItem("mnuExportToASE",
        QStringLiteral("Export as Adobe Swatch Exchange (.ase)"), Format::SwatchExchange);
    mnuExportToCSS = addItem("mnuExportToCSS",
        QStringLiteral("Export as CSS Custom Properties (.css)"), Format::CssProperties);
    mnuExportToTokens = addItem("mnuExportToTokens",
        QStringLiteral("Export as Design Tokens (.json)"), Format::DesignTokens);
}

QAction *ExportCommands::addItem(
    const char *name, const QString &caption, mod_Export::Format format)
{
    QAction *item = m_main->menus().mnuFileExport->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    connect(item, &QAction::triggered, this, [this, format] {
        onActivePalette([&](frmPalette *palette) { palette->ExportTo(format); });
    });
    return item;
}

template<typename Export> void ExportCommands::onActivePalette(Export exportTo)
{
    if (auto *palette = qobject_cast<frmPalette *>(m_main->ActivePalette.data()))
        exportTo(palette);
    else
        PlatformServices::get().beep();
}

QStringList ExportCommands::openFilters()
{
    return PaletteImport::OpenFilters();
}

bool ExportCommands::openForeignPalette(frm_MDIMain *main, const QString &path)
{
    const PaletteImport::Kind kind = PaletteImport::KindOf(path);
    if (kind == PaletteImport::Kind::PaletteFile)
        return false;
    const QString fileName = QFileInfo(path).fileName();
    const ImportedSwatches swatches = PaletteImport::Read(path, kind);
    if (!swatches.ok()) {
        PlatformServices::get().messageBox(main,
            fileName + QStringLiteral(" cannot be opened.\r\n") + swatches.error,
            PlatformServices::Buttons::Ok, PlatformServices::Icon::Critical);
        return true;
    }
    frmPalette *palette = main->createPaletteWindow();
    for (qsizetype slot = 0; slot < swatches.colors.size(); ++slot)
        palette->SetCellColorRC(
            int(slot / kPaletteCols), int(slot % kPaletteCols), swatches.colors[slot]);
    // As after loading a palette file: the last cell is current and nothing
    // is changed yet; the colours are safe in the file they came from.
    palette->model().setCurrentCell(kPaletteRows - 1, kPaletteCols - 1);
    palette->model().setCaption(fileName);
    palette->setDirty(false);
    palette->parentWidget()->show();
    if (const QString notes = PaletteImport::Notes(swatches); !notes.isEmpty())
        PlatformServices::get().messageBox(
            main, notes, PlatformServices::Buttons::Ok, PlatformServices::Icon::Information);
    return true;
}
