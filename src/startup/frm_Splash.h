#pragma once

#include <QWidget>

// The start-up banner: product name, a colour wheel and the version, shown
// without blocking while the main window restores its state.
class frm_Splash : public QWidget {
    Q_OBJECT

public:
    explicit frm_Splash(QWidget *owner);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};
