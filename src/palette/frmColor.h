#pragma once

#include "core/mod_ColorConversion.h"

#include <QDialog>

class ColorSwatch;
class QLineEdit;
class QPushButton;

// "Hex Color": a small modal dialog in which the user types a colour as six
// hexadecimal digits and sees it in a preview. Every change of the text
// recomputes the preview (HexTextToColor). Apply sets bApply and hides the
// dialog; Cancel, Escape and the close box leave bApply false. The dialog
// comes back where the user last left it.
class frmColor : public QDialog {
    Q_OBJECT

public:
    explicit frmColor(QWidget *parent = nullptr);

    // Puts `color` into the text box as RRGGBB and into the preview.
    void setColor(ColorValue color);
    // The preview's colour: what Apply hands to the caller.
    ColorValue color() const;

    // True once the user pressed Apply.
    bool bApply = false;

    QLineEdit *txtHex;
    ColorSwatch *pColor;
    QPushButton *btnApply; // btnCommand(0)
    QPushButton *btnCancel; // btnCommand(1)

    void done(int result) override;

private:
    void txtHex_Change(const QString &text);
};
