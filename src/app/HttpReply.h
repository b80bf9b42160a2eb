#pragma once

#include <QString>

// The outcome of one HTTP GET.
struct HttpReply {
    bool ok = false;
    QString body; // the reply as text when ok
    QString error; // the reason when not ok
};
