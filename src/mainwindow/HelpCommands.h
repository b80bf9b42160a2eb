#pragma once

#include <QObject>

class frm_MDIMain;

// The Help menu's links to the vendor's site, the update check and the About
// window. (Quick Tips is the main window's own.)
class HelpCommands : public QObject {
    Q_OBJECT

public:
    explicit HelpCommands(frm_MDIMain *main);

    void mnuSupportWebSite_Click();
    void mnuCheckForUpdates_Click();
    void mnuHepAbout_Click();

private:
    frm_MDIMain *m_main;
};
