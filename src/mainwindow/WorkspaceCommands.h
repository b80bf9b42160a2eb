#pragma once

#include <QObject>

class frm_MDIMain;
class QMdiSubWindow;
struct WorkspaceLists;

// "Save my &Workspace..." and "&Open my Workspace...": the open palettes
// and previews, with their places and the scroll bars' colours, saved to a
// workspace file and opened again from one. Both are always enabled.
class WorkspaceCommands : public QObject {
    Q_OBJECT

public:
    explicit WorkspaceCommands(frm_MDIMain *main);

    // Offers to save each changed palette, asks for a file (and whether to
    // replace one that exists) and writes every document window's record.
    // A file that cannot be written is left as it was, and the user is told
    // why.
    void mnuSaveWorkspace_Click();
    // Asks for a workspace file, closes every document window (a changed
    // palette may ask to be saved; cancelling stops the open and leaves
    // every window as it was), reads the file and opens its windows at
    // their places.
    void mnuOpenWorkspace_Click();

private:
    // The document area's windows in the order they were opened.
    QList<QMdiSubWindow *> documentWindows() const;
    void offerToSaveChangedPalettes();
    WorkspaceLists collect() const;
    // False, with every window still open, when a window refuses.
    bool closeDocumentWindows();
    void openWindows(const WorkspaceLists &lists);

    frm_MDIMain *m_main;
};
