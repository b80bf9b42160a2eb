#pragma once

#include "core/mod_ColorConversion.h"

#include <QColor>
#include <QPoint>
#include <QWidget>

// A borderless box that shows one colour and can be dragged: the program's
// colour swatch. Its tag is set to the decimal text of its colour when a
// drag starts, and drop targets read the colour back from the tag.
class ColorSwatch : public QWidget {
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget *parent = nullptr, ColorValue color = kWhite);

    ColorValue color() const { return m_color; }
    void setColor(ColorValue color);

    QString tag() const { return m_tag; }

    // The colour painted; the colour itself unless a subclass knows better.
    virtual QColor shownColor() const;

    QSize sizeHint() const override;

signals:
    // Any button went down (right included; views decide what it means).
    void pressed(Qt::MouseButton button, const QPoint &globalPos);
    // Left button pressed and released over the swatch without a drag.
    void clicked();
    void doubleClicked();
    void colorChanged(ColorValue color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    ColorValue m_color;
    QString m_tag;
    QPoint m_pressPos;
    bool m_leftDown = false;
    bool m_dragged = false;
};
