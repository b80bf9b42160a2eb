#pragma once

#include <QWidget>

class ColorPickerModel;

// The eyedropper's zoom panel: the 13 × 13 grid of magnified pixels around
// the pointer with markers pointing at the centre cell, and below it the
// colour box with the colour's text. It draws the model and takes no input:
// the picker window sees every pointer move, also over the panel, and moves
// the panel out of the way.
class PickerZoomPanel : public QWidget {
    Q_OBJECT

public:
    explicit PickerZoomPanel(const ColorPickerModel &model, QWidget *parent = nullptr);

    // Side of one grid cell in logical pixels: twice the width of "0" in
    // the panel's font.
    QRect cellRect(int row, int column) const;
    QRect boxRect() const;

    // The colour under the pointer in web text, the panel's accessible value.
    QString colorText() const;
    // Repaints what the model shows now, at once.
    void refresh();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintMarkers(QPainter &painter) const;

    const ColorPickerModel &m_model;
    int m_cell;
};
