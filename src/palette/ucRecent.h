#pragma once

#include "palette/RecentColorsModel.h"

#include <QList>
#include <QWidget>

class ColorSwatch;
class QLabel;
class QScrollBar;

// The recent colours strip: a framed, vertically scrolling list headed
// "Color History", one 20 x 20 pixel swatch per entry with its web text
// under it. A thin view over RecentColorsModel; the host decides what the
// two events mean. Swatches drag their colour like every other swatch. The
// scroll bar works in pixels; it follows the model's whenever that moves.
class ucRecent : public QWidget {
    Q_OBJECT

public:
    explicit ucRecent(QWidget *parent = nullptr);

    RecentColorsModel &model() { return m_model; }
    const RecentColorsModel &model() const { return m_model; }

    void Add(ColorValue color, const QString &caption) { m_model.Add(color, caption); }
    void SaveRecent() const { m_model.SaveRecent(); }
    void LoadRecent() { m_model.LoadRecent(); }

    ColorSwatch *swatch(int index) const { return m_pColor.value(index); }
    QLabel *caption(int index) const { return m_pLabel.value(index); }
    QScrollBar *scrollBar() const { return m_pScroll; }

signals:
    // A swatch was double-clicked.
    void LeftDblClick(ColorValue color);
    // The right button went down on a swatch at `globalPos`.
    void RightClick(ColorValue color, const QPoint &globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildEntry(int index);
    void showModel();
    void updateScrollRange();
    void placeInner();

    RecentColorsModel m_model;
    QWidget *m_pOuter;
    QWidget *m_pInner;
    QScrollBar *m_pScroll;
    QList<ColorSwatch *> m_pColor;
    QList<QLabel *> m_pLabel;
    RecentColorsModel::Scroll m_shownScroll;
};
