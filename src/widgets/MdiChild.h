#pragma once

// Child windows of the document area that may refuse to close (a changed
// palette asks to be saved). Closing the main window first asks every such
// child; only when all agree are they closed, each without asking again.
class MdiChild {
public:
    virtual ~MdiChild() = default;

    // Asks the user if needed; true when the window may close.
    virtual bool Form_QueryUnload() = 0;
    // The next close goes ahead without asking.
    virtual void agreeToClose() = 0;
};
