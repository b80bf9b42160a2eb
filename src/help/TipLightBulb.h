#pragma once

#include <QWidget>

// The light bulb of the "Tip of the Day" window, drawn as vector shapes so
// that it stays sharp at any device pixel ratio. Fixed size, no interaction.
class TipLightBulb : public QWidget {
    Q_OBJECT

public:
    explicit TipLightBulb(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
