#include "palette/frmColor.h"

#include "app/WindowPlacement.h"
#include "palette/HexColorText.h"
#include "widgets/ColorSwatch.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kPlacementName = QStringLiteral("frmColor");

} // namespace

frmColor::frmColor(QWidget *parent)
    : QDialog(parent), txtHex(new QLineEdit), pColor(new ColorSwatch(nullptr, kBlack)),
      btnApply(new QPushButton(QStringLiteral("&Apply"))),
      btnCancel(new QPushButton(QStringLiteral("Cancel")))
{
    setObjectName(kPlacementName);
    setWindowTitle(QStringLiteral("Hex Color"));

    auto *frame1 = new QFrame;
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setFrameShape(QFrame::StyledPanel);
    auto *label1 = new QLabel(QStringLiteral("&Hex:"));
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setBuddy(txtHex);
    txtHex->setObjectName(QStringLiteral("txtHex"));
    txtHex->setAccessibleName(QStringLiteral("Hex"));
    txtHex->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtHex->setPlaceholderText(QStringLiteral("RRGGBB"));
    txtHex->setMinimumWidth(txtHex->fontMetrics().horizontalAdvance(QStringLiteral("#FF#80#00")));
    pColor->setObjectName(QStringLiteral("pColor"));
    pColor->setAccessibleName(QStringLiteral("Preview"));
    pColor->setToolTip(QStringLiteral("Preview"));
    pColor->setFixedSize(48, 48);

    auto *fields = new QGridLayout(frame1);
    fields->addWidget(label1, 0, 0);
    fields->addWidget(txtHex, 0, 1);
    fields->addWidget(pColor, 0, 2);

    btnApply->setObjectName(QStringLiteral("btnCommand0"));
    btnCancel->setObjectName(QStringLiteral("btnCommand1"));
    btnApply->setDefault(true);
    auto *buttons = new QDialogButtonBox;
    buttons->addButton(btnApply, QDialogButtonBox::AcceptRole);
    buttons->addButton(btnCancel, QDialogButtonBox::RejectRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(txtHex, &QLineEdit::textChanged, this, &frmColor::txtHex_Change);
    connect(btnApply, &QPushButton::clicked, this, [this] {
        bApply = true;
        accept();
    });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    RestoreWindowPlacement(this, kPlacementName, false);
}

void frmColor::setColor(ColorValue color)
{
    txtHex->setText(QString::fromStdString(ColorToHex(color)).mid(1));
    txtHex->selectAll();
    pColor->setColor(color);
}

ColorValue frmColor::color() const
{
    return pColor->color();
}

void frmColor::txtHex_Change(const QString &text)
{
    pColor->setColor(HexTextToColor(text));
}

void frmColor::done(int result)
{
    SaveWindowPlacement(this, kPlacementName);
    QDialog::done(result);
}
