#pragma once

#include <QObject>

class CommonColorsPage;
class HarmonyPage;
class MatchingPalettePage;
class ShadesPage;
class ToolHost;
class WebSafePage;
class QWidget;

// The colour tools on the main window's option and selector pages:
// harmonies, shades, common colours, web-safe colours and the matching
// palette. Each page is a thin view over its model in this folder.
class ToolPages : public QObject {
    Q_OBJECT

public:
    // The host's empty tab pages each tool fills, edge to edge.
    struct Containers {
        QWidget *harmonies = nullptr; // pctOptBox(1)
        QWidget *shades = nullptr; // pctOptBox(3)
        QWidget *common = nullptr; // pctOptBox(4)
        QWidget *webSafe = nullptr; // pctToolBox(2)
        QWidget *matching = nullptr; // pctToolBox(3)
    };

    // Builds the harmonies page, the one shown at start.
    ToolPages(ToolHost *host, const Containers &containers, QObject *parent = nullptr);

    // Builds the pages behind the other tabs. Start-up calls it right after
    // the main window's first frame, so that frame is not kept waiting for
    // pages nobody sees yet; it runs before any input is handled. Calling it
    // again does nothing.
    void buildHiddenPages();

    // The "ActiveColorChanged" refresh, in this order: harmonies, shades,
    // matching sliders (and, later, the colour designer). Nothing else.
    void DoSyncDesktop();

    HarmonyPage *harmonyPage() const { return m_harmonies; }
    ShadesPage *shadesPage() const { return m_shades; }
    CommonColorsPage *commonColorsPage() const { return m_common; }
    WebSafePage *webSafePage() const { return m_webSafe; }
    MatchingPalettePage *matchingPalettePage() const { return m_matching; }

private:
    ToolHost *m_host;
    Containers m_containers;
    HarmonyPage *m_harmonies;
    ShadesPage *m_shades = nullptr;
    CommonColorsPage *m_common = nullptr;
    WebSafePage *m_webSafe = nullptr;
    MatchingPalettePage *m_matching = nullptr;
};
