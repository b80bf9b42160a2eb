#pragma once

#include <QString>

// The outcome of one HTTP GET.
struct HttpReply {
    bool ok = false;
    // The reply as text (UTF-8). Also kept when the server answered with an
    // error status, so that callers can read its error page; empty when no
    // answer arrived.
    QString body;
    QString error; // the reason when not ok
    int status = 0; // the HTTP status of the last answer; 0 when none arrived
};
