#include "mainwindow/PreviewCommands.h"

#include "mainwindow/DocumentArea.h"
#include "mainwindow/frm_MDIMain.h"
#include "previews/frm_ScrollBar.h"
#include "previews/frm_VectorImg.h"
#include "previews/frm_WebPreview.h"

#include <QAction>
#include <QMdiSubWindow>

PreviewCommands::PreviewCommands(frm_MDIMain *main) : QObject(main), m_main(main)
{
    const MainMenus &menus = m_main->menus();
    connect(menus.mnuWebPreview, &QAction::triggered, this, &PreviewCommands::mnuWebPreview_Click);
    connect(menus.mnuScrollBarPreview, &QAction::triggered, this,
        &PreviewCommands::mnuScrollBarPreview_Click);
    connect(menus.mnuVectorImagePreview, &QAction::triggered, this,
        &PreviewCommands::mnuVectorImagePreview_Click);
    connect(
        menus.mnuCodeGenerator, &QAction::triggered, this, &PreviewCommands::mnuCodeGenerator_Click);
    for (QAction *item : { menus.mnuWebPreview, menus.mnuScrollBarPreview,
             menus.mnuVectorImagePreview })
        item->setEnabled(true);
    connect(m_main->documentArea(), &QMdiArea::subWindowActivated, this,
        &PreviewCommands::updateEnabled);
    updateEnabled();
}

template<typename Window> Window *PreviewCommands::open()
{
    auto *window = new Window(this);
    QMdiSubWindow *sub = m_main->documentArea()->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    if (window->minimumSize() == window->maximumSize())
        sub->setWindowFlag(Qt::WindowMaximizeButtonHint, false); // a fixed page
    sub->adjustSize();
    window->Form_Load();
    sub->show();
    return window;
}

frm_WebPreview *PreviewCommands::mnuWebPreview_Click()
{
    return open<frm_WebPreview>();
}

frm_ScrollBar *PreviewCommands::mnuScrollBarPreview_Click()
{
    return open<frm_ScrollBar>();
}

frm_VectorImg *PreviewCommands::mnuVectorImagePreview_Click()
{
    return open<frm_VectorImg>();
}

void PreviewCommands::mnuCodeGenerator_Click()
{
    if (frm_ScrollBar *designer = activeScrollBar())
        designer->GenCode();
}

frm_ScrollBar *PreviewCommands::activeScrollBar() const
{
    QMdiSubWindow *active = m_main->documentArea()->activeSubWindow();
    return active ? qobject_cast<frm_ScrollBar *>(active->widget()) : nullptr;
}

void PreviewCommands::updateEnabled()
{
    m_main->menus().mnuCodeGenerator->setEnabled(activeScrollBar() != nullptr);
}

void PreviewCommands::showColorContextMenu(
    const ColorContextMenu::Request &request, const QPoint &globalPos)
{
    m_main->showColorContextMenu(request, globalPos);
}
