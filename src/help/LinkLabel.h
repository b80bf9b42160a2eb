#pragma once

#include <QAbstractButton>

// A web or mail link shown as underlined text in the link colour. It is a
// button for everything else: it takes the keyboard focus, Space activates
// it, it emits clicked() and reports itself to assistive tools as a button
// named after its text.
class LinkLabel : public QAbstractButton {
    Q_OBJECT

public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont linkFont() const;
};
