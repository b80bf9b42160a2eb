#pragma once

#include <QObject>

class ColorDesignerPage;
class CommonColorsPage;
class FavoritesPage;
class HarmonyPage;
class MatchingPalettePage;
class RGBSelectorPage;
class ShadesPage;
class HueChartPage;
class ToolHost;
class WebSafePage;
class QWidget;

// The colour tools on the main window's option and selector pages:
// harmonies, shades, common colours, the RGB plane, the spectrum, web-safe
// colours, the matching palette and the colour designer. Each page is a thin
// view over its model in this folder.
class ToolPages : public QObject {
    Q_OBJECT

public:
    // The host's empty tab pages each tool fills, edge to edge.
    struct Containers {
        QWidget *harmonies = nullptr; // pctOptBox(1)
        QWidget *favorites = nullptr; // pctOptBox(2)
        QWidget *shades = nullptr; // pctOptBox(3)
        QWidget *common = nullptr; // pctOptBox(4)
        QWidget *rgbSelector = nullptr; // pctToolBox(0)
        QWidget *spectrum = nullptr; // pctToolBox(1)
        QWidget *webSafe = nullptr; // pctToolBox(2)
        QWidget *matching = nullptr; // pctToolBox(3)
        QWidget *designer = nullptr; // pctToolBox(4)
    };

    // Builds the harmonies and RGB selector pages, the ones shown at start,
    // and the favourite slots, which start-up fills before the other pages
    // are needed.
    ToolPages(ToolHost *host, const Containers &containers, QObject *parent = nullptr);

    // Builds the pages behind the other tabs. Start-up calls it right after
    // the main window's first frame, so that frame is not kept waiting for
    // pages nobody sees yet; it runs before any input is handled. Calling it
    // again does nothing.
    void buildHiddenPages();

    // The "ActiveColorChanged" refresh, in this order: harmonies, shades,
    // matching sliders and the colour designer. Nothing else.
    void DoSyncDesktop();

    HarmonyPage *harmonyPage() const { return m_harmonies; }
    FavoritesPage *favoritesPage() const { return m_favorites; }
    ShadesPage *shadesPage() const { return m_shades; }
    CommonColorsPage *commonColorsPage() const { return m_common; }
    WebSafePage *webSafePage() const { return m_webSafe; }
    MatchingPalettePage *matchingPalettePage() const { return m_matching; }
    RGBSelectorPage *rgbSelectorPage() const { return m_rgbSelector; }
    HueChartPage *spectrumPage() const { return m_spectrum; }
    ColorDesignerPage *colorDesignerPage() const { return m_designer; }

private:
    ToolHost *m_host;
    Containers m_containers;
    HarmonyPage *m_harmonies;
    RGBSelectorPage *m_rgbSelector;
    FavoritesPage *m_favorites;
    ShadesPage *m_shades = nullptr;
    CommonColorsPage *m_common = nullptr;
    WebSafePage *m_webSafe = nullptr;
    MatchingPalettePage *m_matching = nullptr;
    HueChartPage *m_spectrum = nullptr;
    ColorDesignerPage *m_designer = nullptr;
};
