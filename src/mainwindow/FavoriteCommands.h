#pragma once

#include <QObject>

class frm_MDIMain;

// The "&Add to Favorites" submenu of the colour context menu: item k puts
// the context colour into favourite slot k and marks its caption with " *"
// ("Slot 3 *"), so the user sees which slots were filled since start-up.
class FavoriteCommands : public QObject {
    Q_OBJECT

public:
    explicit FavoriteCommands(frm_MDIMain *main);

private:
    void mnuFavSlot_Click(int index);

    frm_MDIMain *m_main;
};
