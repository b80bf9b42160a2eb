#pragma once

class QWidget;

// Help > Check for Updates: fetches the vendor's version file, then tells the
// user that the program is up to date, opens the download page in the web
// browser when the file names a newer version, or says that the check failed.
// The fetch blocks the user-interface thread (the windows still repaint,
// under a busy pointer) for at most timeoutMs milliseconds.
namespace UpdateCheck {

inline constexpr int DefaultTimeoutMs = 10'000;

void CheckForUpdates(QWidget *parent, int timeoutMs = DefaultTimeoutMs);

} // namespace UpdateCheck
