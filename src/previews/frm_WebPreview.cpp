#include "previews/frm_WebPreview.h"

#include "app/FileDialog.h"
#include "app/PlatformServices.h"
#include "app/SafeFileWriter.h"
#include "app/SettingsKeys.h"
#include "app/Twips.h"
#include "app/WindowPlacement.h"
#include "previews/ColorTarget.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QToolBar>

namespace {

using M = WebPreviewModel;

enum class Font { Regular, Title, Bold, Underlined };

// One part of the page, laid out in twips inside its container (-1: the
// window).
struct Part {
    int target;
    int container;
    int left, top, width, height;
    const char *name; // accessible name of a box; a label's is its text
    const char *text = nullptr; // labels only
    Font font = Font::Regular;
    bool wraps = false;
};

const Part kParts[] = {
    { M::kPage, -1, 45, 390, 6135, 3135, "Page" },
    { M::box(0), M::kPage, 345, 315, 5370, 495, "Title bar" },
    { M::label(1), M::box(0), 105, 30, 2925, 375, nullptr, "Web Page Preview", Font::Title },
    { M::box(2), M::kPage, 345, 795, 1920, 2010, "Navigation column" },
    { M::box(7), M::box(2), -15, -15, 1920, 405, "Link cell 1" },
    { M::label(7), M::box(7), 135, 120, 495, 195, nullptr, "Home", Font::Bold },
    { M::box(4), M::box(2), -15, 375, 1920, 405, "Link cell 2" },
    { M::label(4), M::box(4), 135, 120, 645, 195, nullptr, "Features" },
    { M::box(5), M::box(2), -15, 765, 1920, 405, "Link cell 3" },
    { M::label(6), M::box(5), 135, 120, 660, 195, nullptr, "Purchase" },
    { M::box(6), M::box(2), -15, 1155, 1920, 405, "Link cell 4" },
    { M::label(5), M::box(6), 135, 120, 315, 195, nullptr, "FAQ" },
    { M::box(3), M::box(2), -15, 1545, 1920, 450, "Link cell 5" },
    { M::label(0), M::box(3), 135, 120, 570, 195, nullptr, "Contact", Font::Underlined },
    { M::box(1), M::kPage, 2250, 795, 3465, 2010, "Content panel" },
    { M::label(3), M::box(1), 255, 390, 2955, 450, nullptr,
        "Drag and drop any color to see how it would look on your web page", Font::Regular, true },
    { M::label(2), M::box(1), 255, 1125, 2955, 450, nullptr,
        "It's easier than ever to create matching, harmonious color schemes", Font::Regular,
        true },
};

// Tahoma where the system has it, else the closest sans-serif.
QFont pageFont(Font font)
{
    QFont result(QStringLiteral("Tahoma"));
    result.setStyleHint(QFont::SansSerif);
    result.setPointSizeF(font == Font::Title ? 15.75 : 8.25);
    result.setBold(font == Font::Title || font == Font::Bold);
    result.setUnderline(font == Font::Underlined);
    return result;
}

} // namespace

frm_WebPreview::frm_WebPreview(PreviewHost *host, QWidget *parent) : PreviewWindow(host, parent)
{
    setObjectName(QStringLiteral("frm_WebPreview"));
    setWindowTitle(QStringLiteral("Web Page Preview"));
    setWindowIcon(AppIcons::icon(AppIcons::Kind::WebPreview));
    setFixedSize(twipsToPixels(6225, this), twipsToPixels(3570, this));
    buildToolBar();
    buildPage();
    connect(&m_model, &WebPreviewModel::colorChanged, this,
        [this](int target) { m_targets[target]->setColor(m_model.color(target)); });
}

void frm_WebPreview::buildToolBar()
{
    m_tbrWeb = createToolBar(QStringLiteral("tbrWeb"), twipsToPixels(360, this));
    m_tbrWeb->setGeometry(0, 0, width(), m_tbrWeb->height());
    struct Button {
        const char *key;
        AppIcons::Kind icon;
        const char *text;
    };
    const Button buttons[] = {
        { "Reset", AppIcons::Kind::ResetColors, "Reset" },
        { "Undo", AppIcons::Kind::Undo, "Undo" },
        { "Redo", AppIcons::Kind::Redo, "Redo" },
        { "save", AppIcons::Kind::SavePalette, "Save as HTML" },
    };
    for (const Button &button : buttons) {
        const QString key = QString::fromLatin1(button.key);
        QAction *action
            = addButton(m_tbrWeb, key, button.icon, QString::fromLatin1(button.text));
        connect(action, &QAction::triggered, this, [this, key] { tbrWeb_ButtonClick(key); });
    }
}

void frm_WebPreview::buildPage()
{
    for (const Part &part : kParts) {
        const bool isLabel = M::isLabel(part.target);
        QWidget *container
            = part.container < 0 ? static_cast<QWidget *>(this) : m_targets[part.container];
        auto *target = new ColorTarget(isLabel ? ColorTarget::Look::Text : ColorTarget::Look::Fill,
            QString::fromLatin1(part.text), container);
        target->setObjectName(isLabel
                ? QStringLiteral("lblDropTarget%1").arg(part.target - M::kBoxes)
                : part.target == M::kPage ? QStringLiteral("pctPreview")
                                          : QStringLiteral("Box%1").arg(part.target));
        if (part.name)
            target->setAccessibleName(QString::fromLatin1(part.name));
        QRect rect(twipsToPixels(part.left, this), twipsToPixels(part.top, this),
            twipsToPixels(part.width, this), twipsToPixels(part.height, this));
        if (isLabel) {
            // Labels grow to show their whole text in whatever font the
            // system put in Tahoma's place.
            target->setFont(pageFont(part.font));
            target->setWordWrap(part.wraps);
            const QSize text = target->textSize(part.wraps ? rect.width() : 10000);
            rect.setWidth(part.wraps ? rect.width() : qMax(rect.width(), text.width() + 2));
            rect.setHeight(qMax(rect.height(), text.height()));
        } else {
            target->setOutlined(part.target != M::kPage);
        }
        target->setGeometry(rect);
        target->setColor(m_model.color(part.target));
        target->setDragAllowed([this] { return isActivePreview(); });
        const int index = part.target;
        connect(target, &ColorTarget::colorDropped, this,
            [this, index](ColorValue color) { m_model.drop(index, color); });
        connect(target, &ColorTarget::contextMenuRequested, this,
            [this, index](const QPoint &globalPos) {
                showContextMenu(m_model.color(index), globalPos);
            });
        m_targets[part.target] = target;
    }
}

void frm_WebPreview::Form_Load()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    RestoreWindowPlacement(
        frame(), QString::fromLatin1(SettingsKeys::WebPreviewPlacementName), false);
    m_model.loadSettings();
    QApplication::restoreOverrideCursor();
}

void frm_WebPreview::closeEvent(QCloseEvent *event)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_model.saveSettings();
    // A minimised window's place is its icon's, not the window's.
    if (!frameMinimized())
        SaveWindowPlacement(frame(), QString::fromLatin1(SettingsKeys::WebPreviewPlacementName));
    QApplication::restoreOverrideCursor();
    event->accept();
}

void frm_WebPreview::tbrWeb_ButtonClick(const QString &key)
{
    const QString lower = key.toLower();
    if (lower == QLatin1String("reset"))
        Reset();
    else if (lower == QLatin1String("undo"))
        Undo();
    else if (lower == QLatin1String("redo"))
        Redo();
    else if (lower == QLatin1String("save"))
        SaveAsHtml();
}

void frm_WebPreview::Undo()
{
    if (!m_model.Undo())
        PlatformServices::get().beep();
}

void frm_WebPreview::Redo()
{
    if (!m_model.Redo())
        PlatformServices::get().beep();
}

void frm_WebPreview::Reset()
{
    m_model.Reset();
}

void frm_WebPreview::SaveAsHtml()
{
    const QString path = ShowFileDialog(window(), QStringLiteral("Select file name"),
        QStringLiteral(".html"), true, QStringLiteral("HTML File"));
    if (path.isEmpty())
        return;
    const SafeFileWriter::Result result = SafeFileWriter::write(path, m_model.html().toUtf8());
    if (!result)
        PlatformServices::get().messageBox(this,
            QStringLiteral("The page could not be saved as %1.\n%2").arg(path, result.error),
            PlatformServices::Buttons::Ok, PlatformServices::Icon::Critical);
}
