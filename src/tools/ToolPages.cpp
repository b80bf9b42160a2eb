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
    : QObject(main), m_main(main), m_harmonies(install<HarmonyPage>(main, "pctOptBox1")),
      m_shades(install<ShadesPage>(main, "pctOptBox3")),
      m_common(install<CommonColorsPage>(main, "pctOptBox4")),
      m_webSafe(install<WebSafePage>(main, "pctToolBox2")),
      m_matching(install<MatchingPalettePage>(main, "pctToolBox3"))
{
}

void ToolPages::DoSyncDesktop()
{
    m_harmonies->regenerate();
    m_shades->FillShades();
    m_matching->SyncMatchSliders();
}
