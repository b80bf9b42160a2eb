#pragma once

#include "core/mod_ColorConversion.h"
#include "widgets/ColorDrag.h"

#include <QPoint>
#include <QWidget>
#include <functional>

// One colour target of a preview window: a filled box (optionally with a
// caption in the colour's contrast colour) or a text label drawn in its
// colour over whatever lies behind it. A colour dragged from any colour view
// and dropped on it is offered through colorDropped(); the window decides
// what the drop does. Accessibility tools read its colour as web text.
class ColorTarget : public QWidget {
    Q_OBJECT

public:
    enum class Look {
        Fill, // the colour fills the box
        CaptionedFill, // filled, with the text centred in the contrast colour
        Text, // the text in the colour, no background of its own
    };

    ColorTarget(Look look, const QString &text, QWidget *parent = nullptr);

    Look look() const { return m_look; }
    QString text() const { return m_text; }
    ColorValue color() const { return m_color; }
    void setColor(ColorValue color);

    // Text labels wrap their text inside their width when set.
    void setWordWrap(bool wrap);
    // How a dropped text label counts (its text colour unless told).
    void setLabelRule(ColorDrag::LabelRule rule) { m_labelRule = rule; }
    // Makes the target a drag source, carrying its colour the way its kind
    // does (a box its decimal tag, a label its text colour); a drag starts
    // only while `allowed` says so.
    void setDragAllowed(std::function<bool()> allowed) { m_dragAllowed = std::move(allowed); }
    // A thin dark line around a filled box, as table cells have on a page.
    void setOutlined(bool outlined);

    // The smallest size that shows the whole text.
    QSize textSize(int width) const;

signals:
    void colorDropped(ColorValue color, const QPointF &position);
    void contextMenuRequested(const QPoint &globalPos);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    int textFlags() const;

    Look m_look;
    QString m_text;
    ColorValue m_color = kWhite;
    bool m_wordWrap = false;
    bool m_outlined = false;
    ColorDrag::LabelRule m_labelRule = ColorDrag::LabelRule::TextColor;
    std::function<bool()> m_dragAllowed;
    QPoint m_pressPos;
    bool m_leftDown = false;
};
