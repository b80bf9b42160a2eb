#pragma once

#include <QObject>

class FavoritesPage;
class frm_MDIMain;
class ucRecent;

// What the program remembers between runs besides its settings: the recent
// colours, the favourite slots and the colours of the palette that was
// active. Saved when the main window is asked to close, restored once at
// start-up after the first palette opened, and only once a close has saved
// it ("System"/"RememberState" = "Yes").
class AppState : public QObject {
    Q_OBJECT

public:
    AppState(frm_MDIMain *main, ucRecent *recent, FavoritesPage *favorites);

    void SaveAppState();
    // Each step goes on when the one before found damaged values: nothing
    // stored can keep the program from starting.
    void LoadAppState();

private:
    frm_MDIMain *m_main;
    ucRecent *m_recent;
    FavoritesPage *m_favorites;
};
