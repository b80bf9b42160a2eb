#include "previews/PreviewWindow.h"

#include "app/Twips.h"
#include "previews/PreviewHost.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolBar>

PreviewWindow::PreviewWindow(PreviewHost *host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // A click anywhere in the window activates it, also on targets that
    // take no focus themselves.
    setFocusPolicy(Qt::ClickFocus);
}

QWidget *PreviewWindow::frame() const
{
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    return sub ? static_cast<QWidget *>(sub) : const_cast<PreviewWindow *>(this);
}

float PreviewWindow::Left() const
{
    return float(pixelsToTwips(frame()->x(), this));
}

float PreviewWindow::Top() const
{
    return float(pixelsToTwips(frame()->y(), this));
}

void PreviewWindow::Move(float left, float top)
{
    frame()->move(twipsToPixels(left, this), twipsToPixels(top, this));
}

bool PreviewWindow::frameMinimized() const
{
    return frame()->isMinimized();
}

bool PreviewWindow::isActivePreview() const
{
    auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!sub || !sub->mdiArea())
        return true;
    return sub->mdiArea()->activeSubWindow() == sub;
}

QToolBar *PreviewWindow::createToolBar(const QString &name, int height)
{
    auto *bar = new QToolBar(this);
    bar->setObjectName(name);
    bar->setIconSize(QSize(16, 16));
    bar->setFixedHeight(height);
    bar->setAccessibleName(QStringLiteral("Toolbar"));
    return bar;
}

QAction *PreviewWindow::addButton(
    QToolBar *bar, const QString &key, AppIcons::Kind icon, const QString &text, const QString &tip)
{
    QAction *action = bar->addAction(AppIcons::icon(icon), text);
    action->setObjectName(key);
    action->setToolTip(tip.isEmpty() ? text : tip);
    return action;
}

void PreviewWindow::showContextMenu(ColorValue color, const QPoint &globalPos)
{
    if (!m_host)
        return;
    ColorContextMenu::Request request;
    request.color = color;
    request.disableCellItems = true;
    m_host->showColorContextMenu(request, globalPos);
}
