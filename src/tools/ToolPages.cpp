#include "tools/ToolPages.h"

#include "mainwindow/frm_MDIMain.h"
#include "tools/CommonColorsPage.h"
#include "tools/HarmonyPage.h"
#include "tools/MatchingPalettePage.h"
#include "tools/ShadesPage.h"
#include "tools/WebSafePage.h"

#include <QVBoxLayout>

namespace {

// Puts `content` into the main window's page `pageName`, filling it.
template<typename Content> Content *install(frm_MDIMain *main, const char *pageName)
{
    auto *page = main->findChild<QWidget *>(QString::fromLatin1(pageName));
    Q_ASSERT(page);
    auto *content = new Content(main, page);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    return content;
}

} // namespace

ToolPages::ToolPages(frm_MDIMain *main)
    : QObject(main), m_main(main), m_harmonies(install<HarmonyPage>(main, "pctOptBox1"))
{
}

void ToolPages::buildHiddenPages()
{
    if (m_shades)
        return;
    m_shades = install<ShadesPage>(m_main, "pctOptBox3");
    m_common = install<CommonColorsPage>(m_main, "pctOptBox4");
    m_webSafe = install<WebSafePage>(m_main, "pctToolBox2");
    m_matching = install<MatchingPalettePage>(m_main, "pctToolBox3");
    DoSyncDesktop();
}

void ToolPages::DoSyncDesktop()
{
    m_harmonies->regenerate();
    if (m_shades) {
        m_shades->FillShades();
        m_matching->SyncMatchSliders();
    }
}
