#pragma once

#include "core/mod_ColorConversion.h"

// The three values the whole program shares. They live for the process and
// are only touched from the user-interface thread.
struct ProcessState {
    // The colour the user works with. Whoever writes it then notifies
    // "ActiveColorChanged" on the bus.
    static inline ColorValue ActiveColor = kBlack;
    // False until the last step of start-up; recent colours are not recorded
    // before it turns true.
    static inline bool StartupDone = false;
    // Set by a palette window whose close the user cancelled; read by Close All.
    static inline bool CloseCancelled = false;
};
