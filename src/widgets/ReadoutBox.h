#pragma once

#include <QString>

class QLineEdit;

// One of the read-only text boxes that show a colour's decimal, "&H" and web
// texts (the main window's status boxes and each palette's readouts).
QLineEdit *createReadoutBox(const QString &objectName);
