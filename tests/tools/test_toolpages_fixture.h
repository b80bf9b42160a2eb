#pragma once

#include "core/ProcessState.h"
#include "core/cls_MsgServer.h"
#include "mainwindow/DocumentArea.h"
#include "mainwindow/frm_MDIMain.h"
#include "palette/frmPalette.h"
#include "startup/mod_Main.h"
#include "support/FakePlatformServices.h"
#include "tools/ToolPages.h"
#include "widgets/ColorContextMenu.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMdiSubWindow>
#include <QTimer>
#include <memory>

// A started main window with its tool pages, for the page tests. The shared
// colour context menu closes itself right after it opens, so a gesture that
// shows it returns; what it showed is kept in `lastMenu`.
class ToolPagesFixture {
public:
    struct MenuShowing {
        int count = 0; // showings since start()
        ColorValue contextColor = -1;
        QStringList visibleAddItems; // captions of the visible add commands
        QList<const QAction *> visible; // every item shown
    };

    void start()
    {
        m_fake = FakePlatformServices();
        m_scope = std::make_unique<FakePlatformServices::Scope>(m_fake);
        ProcessState::ActiveColor = kBlack;
        ProcessState::CloseCancelled = false;
        m_main.reset(mod_Main::Startup(0));
        pages = m_main->findChild<ToolPages *>();
        lastMenu = MenuShowing();
        ColorContextMenu *menu = m_main->colorContextMenu();
        QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu] {
            ++lastMenu.count;
            lastMenu.contextColor = m_main->ContextColor;
            lastMenu.visibleAddItems.clear();
            lastMenu.visible.clear();
            for (const QAction *item : menu->actions()) {
                if (item->isVisible())
                    lastMenu.visible << item;
            }
            for (QAction *add : { menu->mnuAddCompliments, menu->mnuAddSplitCompliments,
                     menu->mnuAddAnalogous, menu->mnuAddTriads, menu->mnuAddTetrads }) {
                if (add->isVisible())
                    lastMenu.visibleAddItems << add->text();
            }
            QTimer::singleShot(0, menu, &QMenu::close);
        });
    }

    void stop()
    {
        // Children close the way the user closes them before the main window
        // goes, so each is torn down on its own.
        closeChildren();
        m_main.reset();
        m_scope.reset();
    }

    // Closes every child window without asking about unsaved changes.
    void closeChildren()
    {
        for (QMdiSubWindow *window : m_main->documentArea()->subWindowList()) {
            if (auto *palette = qobject_cast<frmPalette *>(window->widget()))
                palette->agreeToClose();
            window->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frm_MDIMain *main() const { return m_main.get(); }
    FakePlatformServices &fake() { return m_fake; }

    // Announces a working colour the way every sender does.
    void setWorkingColor(ColorValue color)
    {
        ProcessState::ActiveColor = color;
        m_main->cMsgs->Notify(kActiveColorChanged);
    }

    // A new palette window, made the active child.
    frmPalette *activeNewPalette()
    {
        frmPalette *palette = m_main->mnuFileNew_Click();
        m_main->documentArea()->setActiveSubWindow(
            qobject_cast<QMdiSubWindow *>(palette->parentWidget()));
        return palette;
    }

    ToolPages *pages = nullptr;
    MenuShowing lastMenu;

private:
    FakePlatformServices m_fake;
    std::unique_ptr<FakePlatformServices::Scope> m_scope;
    std::unique_ptr<frm_MDIMain> m_main;
};
