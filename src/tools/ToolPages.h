#pragma once

#include <QObject>

class CommonColorsPage;
class HarmonyPage;
class MatchingPalettePage;
class ShadesPage;
class WebSafePage;
class frm_MDIMain;

// The colour tools on the main window's option and selector pages:
// harmonies, shades, common colours, web-safe colours and the matching
// palette. Each page is a thin view over its model in this folder.
class ToolPages : public QObject {
    Q_OBJECT

public:
    // Builds the harmonies page, the one shown at start, into the main
    // window's tab strips (pages found by object name: pctOptBox1..4,
    // pctToolBox0..4).
    explicit ToolPages(frm_MDIMain *main);

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
    frm_MDIMain *m_main;
    HarmonyPage *m_harmonies;
    ShadesPage *m_shades = nullptr;
    CommonColorsPage *m_common = nullptr;
    WebSafePage *m_webSafe = nullptr;
    MatchingPalettePage *m_matching = nullptr;
};
