#pragma once

#include "previews/PreviewHost.h"

#include <QObject>

class frm_MDIMain;
class frm_ScrollBar;
class frm_VectorImg;
class frm_WebPreview;
class PreviewWindow;

// The main window's commands that open preview windows ("&Web Preview...",
// "&Scroll Bar Preview...", "&Vector Image Preview...", and the toolbar
// buttons that share their actions) and "&Code Generator", which runs the
// code generation of the active scroll-bar designer and is enabled only
// while one is active. It is also the previews' host.
class PreviewCommands : public QObject, public PreviewHost {
    Q_OBJECT

public:
    explicit PreviewCommands(frm_MDIMain *main);

    // Each opens a new preview in the document area and returns it, shown.
    frm_WebPreview *mnuWebPreview_Click();
    frm_ScrollBar *mnuScrollBarPreview_Click();
    frm_VectorImg *mnuVectorImagePreview_Click();
    void mnuCodeGenerator_Click();

    // The active child window when it is a scroll-bar designer.
    frm_ScrollBar *activeScrollBar() const;

    void showColorContextMenu(
        const ColorContextMenu::Request &request, const QPoint &globalPos) override;

private:
    template<typename Window> Window *open();
    void updateEnabled();

    frm_MDIMain *m_main;
};
