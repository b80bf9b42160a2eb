#include "widgets/ReadoutBox.h"

#include <QLineEdit>
#include <QStyle>

QLineEdit *createReadoutBox(const QString &objectName)
{
    auto *box = new QLineEdit;
    box->setObjectName(objectName);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    // Selectable for copying, but never in the way of keyboard navigation.
    box->setFocusPolicy(Qt::ClickFocus);
    // Room for the longest text a box shows, "255-255-255".
    const int text = box->fontMetrics().horizontalAdvance(QStringLiteral("255-255-255"));
    box->setMinimumWidth(text + 2 * box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 10);
    return box;
}
