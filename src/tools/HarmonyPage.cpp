#include "tools/HarmonyPage.h"

#include "app/Twips.h"
#include "core/ProcessState.h"
#include "palette/frmPalette.h"
#include "tools/ToolHost.h"
#include "tools/ToolPageActions.h"
#include "widgets/ColorSwatch.h"

#include <QLabel>

namespace {

// Where a group sits on the page, in twips from the page's top left corner.
struct GroupLayout {
    QRect label;
    int swatchCount;
    std::array<QPoint, MaxSwatchesPerGroup> swatches;
    QSize swatchSize;
};

// Indexed by HarmonyGroup. In each three-swatch group the two turned colours
// stand side by side with the working colour centred below them; the tetrad
// is a two-by-two block with the working colour at top left.
const std::array<GroupLayout, HarmonyGroupCount> Layouts = { {
    { QRect(20, 90, 885, 165), 2, { QPoint(165, 285), QPoint(480, 285) }, QSize(285, 285) },
    { QRect(20, 720, 900, 405), 3, { QPoint(165, 1110), QPoint(480, 1110), QPoint(330, 1440) },
        QSize(285, 300) },
    { QRect(100, 1860, 690, 165), 3, { QPoint(165, 2070), QPoint(480, 2070), QPoint(330, 2400) },
        QSize(285, 300) },
    { QRect(300, 2820, 315, 180), 3, { QPoint(165, 3015), QPoint(480, 3015), QPoint(330, 3345) },
        QSize(285, 300) },
    { QRect(250, 3735, 405, 180), 4,
        { QPoint(165, 3945), QPoint(480, 3945), QPoint(165, 4275), QPoint(480, 4275) },
        QSize(285, 300) },
} };

// The horizontal centre of the swatch column, in twips (swatches span 165 to
// 765). The column is centred on the page, whatever its width.
constexpr int ColumnCentreTwips = 465;

const GroupLayout &layoutOf(HarmonyGroup group)
{
    return Layouts[static_cast<int>(group)];
}

} // namespace

HarmonyPage::HarmonyPage(ToolHost *host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("HarmonyPage"));
    // Small captions, as on the rest of the tool pages.
    QFont captionFont = font();
    captionFont.setPointSizeF(std::min(captionFont.pointSizeF(), 8.0));
    for (HarmonyGroup group : AllHarmonyGroups) {
        buildGroup(group);
        m_labels[static_cast<int>(group)]->setFont(captionFont);
    }
    connectAddCommands();
    layoutGroups();
}

void HarmonyPage::buildGroup(HarmonyGroup group)
{
    const HarmonyGroupInfo &info = harmonyGroupInfo(group);
    const QString arrayName = QString::fromLatin1(info.arrayName);
    auto *label = new QLabel(QString::fromLatin1(info.label), this);
    label->setObjectName(QString(arrayName).replace(QStringLiteral("pct"), QStringLiteral("lbl")));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    label->setWordWrap(true);
    m_labels[static_cast<int>(group)] = label;

    for (int i = 0; i < info.swatchCount; ++i) {
        auto *swatch = new ColorSwatch(this, kWhite);
        swatch->setObjectName(arrayName + QString::number(i));
        m_swatches[harmonyGroupOffset(group) + i] = swatch;
        connect(swatch, &ColorSwatch::pressed, this,
            [this, group, swatch](Qt::MouseButton button, const QPoint &globalPos) {
                swatchPressed(group, swatch, button, globalPos);
            });
        // Complements already reacted to the press.
        if (group != HarmonyGroup::Compl) {
            connect(swatch, &ColorSwatch::clicked, this,
                [this, swatch] { ToolPageActions::makeWorkingColor(swatch->color()); });
        }
    }
}

void HarmonyPage::connectAddCommands()
{
    const ColorContextMenu *menu = m_host->colorContextMenu();
    for (HarmonyGroup group : AllHarmonyGroups) {
        connect(menu->addItemAction(harmonyGroupInfo(group).addItem), &QAction::triggered, this,
            [this, group] { addGroup(group); });
    }
}

void HarmonyPage::swatchPressed(
    HarmonyGroup group, const ColorSwatch *swatch, Qt::MouseButton button, const QPoint &globalPos)
{
    if (button == Qt::RightButton)
        ToolPageActions::showContextMenu(
            m_host, swatch->color(), globalPos, harmonyGroupInfo(group).addItem);
    else if (group == HarmonyGroup::Compl)
        ToolPageActions::makeWorkingColor(swatch->color());
}

void HarmonyPage::regenerate()
{
    if (!m_model.regenerate(ProcessState::ActiveColor))
        return;
    for (HarmonyGroup group : AllHarmonyGroups) {
        for (int i = 0; i < harmonySwatchCount(group); ++i)
            swatch(group, i)->setColor(m_model.swatch(group, i));
    }
}

void HarmonyPage::addGroup(HarmonyGroup group)
{
    frmPalette *palette = m_host->activePaletteWindow();
    if (!palette)
        return;
    for (ColorValue color : m_model.group(group))
        palette->SetNextCell(color);
}

ColorSwatch *HarmonyPage::swatch(HarmonyGroup group, int index) const
{
    Q_ASSERT(index >= 0 && index < harmonySwatchCount(group));
    return m_swatches[harmonyGroupOffset(group) + index];
}

void HarmonyPage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutGroups();
}

void HarmonyPage::layoutGroups()
{
    const int columnCentre = width() / 2;
    const int left = columnCentre - twipsToPixels(ColumnCentreTwips, this);
    for (HarmonyGroup group : AllHarmonyGroups) {
        const GroupLayout &layout = layoutOf(group);
        const QSize size(twipsToPixels(layout.swatchSize.width(), this),
            twipsToPixels(layout.swatchSize.height(), this));
        for (int i = 0; i < layout.swatchCount; ++i) {
            const QPoint twips = layout.swatches[i];
            swatch(group, i)->setGeometry(
                QRect(QPoint(left + twipsToPixels(twips.x(), this), twipsToPixels(twips.y(), this)),
                    size));
        }
        m_labels[static_cast<int>(group)]->setGeometry(labelRect(group, columnCentre));
    }
}

// The label's twips box, widened to its longest word and grown upwards to the
// lines it needs, so no font clips it; its bottom edge stays where the box's
// is, just above the swatches.
QRect HarmonyPage::labelRect(HarmonyGroup group, int columnCentre) const
{
    const QLabel *label = m_labels[static_cast<int>(group)];
    const QRect twips = layoutOf(group).label;
    const QFontMetrics metrics(label->font());
    int widestWord = 0;
    const QStringList words = label->text().split(u' ');
    for (const QString &word : words)
        widestWord = std::max(widestWord, metrics.horizontalAdvance(word));
    const int boxWidth = std::min(
        std::max(twipsToPixels(twips.width(), this), widestWord + 4), std::max(width(), 1));
    // The captions have at most two words, so a caption that does not fit
    // on one line takes one line per word.
    const int lines = metrics.horizontalAdvance(label->text()) > boxWidth ? int(words.size()) : 1;
    const int bottom = twipsToPixels(twips.y() + twips.height(), this);
    const int boxHeight = std::max(twipsToPixels(twips.height(), this), lines * metrics.height());
    return QRect(columnCentre - boxWidth / 2, bottom - boxHeight, boxWidth, boxHeight);
}
