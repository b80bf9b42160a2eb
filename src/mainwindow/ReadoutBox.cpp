#include "mainwindow/ReadoutBox.h"

#include <QLineEdit>

QLineEdit *createReadoutBox(const QString &objectName)
{
    auto *box = new QLineEdit;
    box->setObjectName(objectName);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    // Selectable for copying, but never in the way of keyboard navigation.
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}
