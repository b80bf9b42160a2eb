#pragma once

#include <QObject>

class QTabWidget;

// How the main window's two tab strips switch pages. Each strip shows the
// page of its selected tab; choosing an options page (harmonies, favourites,
// shades, common colours) also hands the keyboard focus to the selector
// strip, so the arrow keys go on to move through the selector pages.
class TabStripSwitching : public QObject {
    Q_OBJECT

public:
    TabStripSwitching(QTabWidget *tsOptions, QTabWidget *tsTools, QObject *parent = nullptr);

private:
    void tsOptions_Click();

    QTabWidget *m_tsOptions;
    QTabWidget *m_tsTools;
};
