#include "mainwindow/TabStripSwitching.h"

#include <QTabWidget>

TabStripSwitching::TabStripSwitching(QTabWidget *tsOptions, QTabWidget *tsTools, QObject *parent)
    : QObject(parent), m_tsOptions(tsOptions), m_tsTools(tsTools)
{
    // The selector strip's own switching is the tab widget's: one page shown
    // at a time, the selected tab's.
    connect(m_tsOptions, &QTabWidget::currentChanged, this, &TabStripSwitching::tsOptions_Click);
}

void TabStripSwitching::tsOptions_Click()
{
    if (m_tsTools->isVisible())
        m_tsTools->setFocus(Qt::TabFocusReason);
}
