#include "help/LinkLabel.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace {

// Room for the focus frame around the text, in logical pixels.
constexpr int kFocusMargin = 2;

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QAbstractButton(parent)
{
    setText(text);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QFont LinkLabel::linkFont() const
{
    QFont font = this->font();
    font.setUnderline(true);
    return font;
}

QSize LinkLabel::sizeHint() const
{
    const QFontMetrics metrics(linkFont());
    return QSize(metrics.horizontalAdvance(text()), metrics.height())
        .grownBy(QMargins(kFocusMargin, kFocusMargin, kFocusMargin, kFocusMargin));
}

void LinkLabel::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.setFont(linkFont());
    const QPalette::ColorRole role = isDown() ? QPalette::LinkVisited : QPalette::Link;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, role));
    painter.drawText(
        rect().marginsRemoved(QMargins(kFocusMargin, kFocusMargin, kFocusMargin, kFocusMargin)),
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = palette().color(QPalette::Window);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}
