#pragma once

#include <QObject>

class frm_MDIMain;

// "Modify &HEX Value..." (Utilities menu) and "&Modify Hex Color..." (colour
// context menu): the hex colour dialog opened on the context colour. When
// the user applies, the typed colour becomes the working colour, and so the
// colour of the active palette's selected cell.
class HexColorCommands : public QObject {
    Q_OBJECT

public:
    explicit HexColorCommands(frm_MDIMain *main);

private:
    void showHexDialog();

    frm_MDIMain *m_main;
};
