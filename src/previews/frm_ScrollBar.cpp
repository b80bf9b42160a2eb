#include "previews/frm_ScrollBar.h"

#include "app/PlatformServices.h"
#include "app/SettingsKeys.h"
#include "app/Twips.h"
#include "app/WindowPlacement.h"
#include "previews/ColorTarget.h"
#include "previews/ScrollBarPainter.h"

#include <QAction>
#include <QCloseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QToolBar>

namespace {

// The board shows the drawing stretched over itself, one drawing pixel per
// 15 twips, in a single pass.
class Board : public QWidget {
public:
    Board(const QImage &image, QWidget *parent) : QWidget(parent), m_image(image)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(QStringLiteral("Scroll bar"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.drawImage(rect(), m_image);
    }

private:
    const QImage &m_image;
};

// Box tops on the board, in twips, from the arrow colour down to the track.
constexpr int kBoxTops[ScrollBarModel::kColors] = { 330, 795, 1275, 1740, 2220, 2685, 3165 };

} // namespace

frm_ScrollBar::frm_ScrollBar(PreviewHost *host, QWidget *parent)
    : PreviewWindow(host, parent), m_model(kBlack)
{
    setObjectName(QStringLiteral("frm_ScrollBar"));
    setWindowTitle(QStringLiteral("Scroll Bar Preview"));
    setWindowIcon(AppIcons::icon(AppIcons::Kind::ScrollBarPreview));
    setFixedSize(twipsToPixels(2820, this), twipsToPixels(4215, this));
    buildToolBar();
    buildBoard();
    connect(&m_model, &ScrollBarModel::colorChanged, this, [this](int index) {
        m_pctColorBox[index]->setColor(m_model.GetColor(index));
        pctBoard_Paint();
    });
    Reset();
}

void frm_ScrollBar::buildToolBar()
{
    m_tbrScrollBar = createToolBar(QStringLiteral("tbrScrollBar"), twipsToPixels(360, this));
    m_tbrScrollBar->setGeometry(0, 0, width(), m_tbrScrollBar->height());
    struct Button {
        const char *key;
        AppIcons::Kind icon;
        const char *text;
        const char *tip;
    };
    const Button buttons[] = {
        { "GenCode", AppIcons::Kind::CopyCode, "Copy code", "Copy code to clipboard" },
        { "Reset", AppIcons::Kind::ResetColors, "Reset", "Reset" },
        { "Undo", AppIcons::Kind::Undo, "Undo", "Undo" },
        { "Redo", AppIcons::Kind::Redo, "Redo", "Redo" },
    };
    for (const Button &button : buttons) {
        const QString key = QString::fromLatin1(button.key);
        QAction *action = addButton(m_tbrScrollBar, key, button.icon,
            QString::fromLatin1(button.text), QString::fromLatin1(button.tip));
        connect(action, &QAction::triggered, this, [this, key] { tbrScrollBar_ButtonClick(key); });
    }
}

void frm_ScrollBar::buildBoard()
{
    m_pctBoard = new Board(m_boardImage, this);
    m_pctBoard->setObjectName(QStringLiteral("pctBoard"));
    m_pctBoard->setGeometry(0, twipsToPixels(360, this), twipsToPixels(2820, this),
        twipsToPixels(3855, this));
    const int left = twipsToPixels(210, this);
    int width = twipsToPixels(1575, this);
    for (int index = 0; index < ScrollBarModel::kColors; ++index) {
        auto *box = new ColorTarget(
            ColorTarget::Look::CaptionedFill, ScrollBarModel::label(index), m_pctBoard);
        box->setObjectName(QStringLiteral("pctColorBox%1").arg(index));
        box->setLabelRule(ColorDrag::LabelRule::Black);
        QFont font = box->font();
        font.setPointSizeF(8.25);
        box->setFont(font);
        width = qMax(width, box->textSize(10000).width() + 8);
        connect(box, &ColorTarget::colorDropped, this,
            [this, index](ColorValue color) { m_model.drop(index, color); });
        connect(box, &ColorTarget::contextMenuRequested, this,
            [this, index](const QPoint &globalPos) {
                showContextMenu(m_model.GetColor(index), globalPos);
            });
        m_pctColorBox[index] = box;
    }
    // Wider than designed only when the system font needs it, and never
    // into the scroll bar.
    width = qMin(width, ScrollBarPainter::kBarLeft - 4 - left);
    for (int index = 0; index < ScrollBarModel::kColors; ++index)
        m_pctColorBox[index]->setGeometry(
            left, twipsToPixels(kBoxTops[index], this), width, twipsToPixels(360, this));
}

void frm_ScrollBar::Form_Load()
{
    Reset();
    RestoreWindowPlacement(frame(), QString::fromLatin1(SettingsKeys::ScrollBarPlacementName), false);
}

void frm_ScrollBar::closeEvent(QCloseEvent *event)
{
    if (!frameMinimized())
        SaveWindowPlacement(frame(), QString::fromLatin1(SettingsKeys::ScrollBarPlacementName));
    event->accept();
}

ColorValue frm_ScrollBar::windowBackground() const
{
    const QColor face = palette().color(QPalette::Window);
    return MakeColorValue(face.red(), face.green(), face.blue());
}

void frm_ScrollBar::pctBoard_Paint()
{
    m_boardImage = ScrollBarPainter::render(m_model.colors());
    m_pctBoard->update();
    for (int index = 0; index < ScrollBarModel::kColors; ++index)
        m_pctColorBox[index]->setColor(m_model.GetColor(index));
}

void frm_ScrollBar::tbrScrollBar_ButtonClick(const QString &key)
{
    const QString lower = key.toLower();
    if (lower == QLatin1String("gencode"))
        GenCode();
    else if (lower == QLatin1String("reset"))
        Reset();
    else if (lower == QLatin1String("undo"))
        Undo();
    else if (lower == QLatin1String("redo"))
        Redo();
}

void frm_ScrollBar::GenCode()
{
    PlatformServices &services = PlatformServices::get();
    services.setClipboardText(m_model.GenCode());
    services.messageBox(this,
        QStringLiteral(
            "The code has been copied to the clipboard. It can be pasted directly into your webpage"),
        PlatformServices::Buttons::Ok, PlatformServices::Icon::Information,
        QStringLiteral("Scroll Bar Skin"));
}

void frm_ScrollBar::Reset()
{
    {
        // One drawing for all seven colours.
        const QSignalBlocker blocker(&m_model);
        m_model.Reset(windowBackground());
    }
    pctBoard_Paint();
    if (isVisible())
        m_pctBoard->setFocus();
}

void frm_ScrollBar::Undo()
{
    if (!m_model.Undo())
        PlatformServices::get().beep();
}

void frm_ScrollBar::Redo()
{
    if (!m_model.Redo())
        PlatformServices::get().beep();
}
