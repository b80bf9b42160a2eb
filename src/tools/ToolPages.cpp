#include "tools/ToolPages.h"

#include "tools/ColorDesignerPage.h"
#include "tools/CommonColorsPage.h"
#include "tools/FavoritesPage.h"
#include "tools/HarmonyPage.h"
#include "tools/MatchingPalettePage.h"
#include "tools/RGBSelectorPage.h"
#include "tools/ShadesPage.h"
#include "tools/HueChartPage.h"
#include "tools/WebSafePage.h"

#include <QVBoxLayout>
#include <array>

namespace {

// Puts a new `Content` into `container`, filling it.
template<typename Content> Content *install(ToolHost *host, QWidget *container)
{
    Q_ASSERT(container);
    auto *content = new Content(host, container);
    auto *layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    return content;
}

} // namespace

ToolPages::ToolPages(ToolHost *host, const Containers &containers, QObject *parent)
    : QObject(parent), m_host(host), m_containers(containers),
      m_harmonies(install<HarmonyPage>(host, containers.harmonies)),
      m_rgbSelector(install<RGBSelectorPage>(host, containers.rgbSelector)),
      m_favorites(install<FavoritesPage>(host, containers.favorites))
{
}

void ToolPages::buildHiddenPages()
{
    if (m_shades)
        return;
    m_shades = install<ShadesPage>(m_host, m_containers.shades);
    m_common = install<CommonColorsPage>(m_host, m_containers.common);
    m_webSafe = install<WebSafePage>(m_host, m_containers.webSafe);
    m_matching = install<MatchingPalettePage>(m_host, m_containers.matching);
    m_spectrum = install<HueChartPage>(m_host, m_containers.spectrum);
    m_designer = install<ColorDesignerPage>(m_host, m_containers.designer);
    const std::array<QWidget *, 4> otherSelectors
        = { m_rgbSelector, m_webSafe, m_matching, m_designer };
    for (QWidget *page : otherSelectors)
        m_spectrum->answerBareBackground(page);
    DoSyncDesktop();
}

void ToolPages::DoSyncDesktop()
{
    m_harmonies->regenerate();
    if (m_shades) {
        m_shades->FillShades();
        m_matching->SyncMatchSliders();
        m_designer->SyncDesigner();
    }
}
