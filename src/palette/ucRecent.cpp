#include "palette/ucRecent.h"

#include "app/Twips.h"
#include "widgets/ColorSwatch.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace {

// Entry geometry in twips: a 300 twip (20 pixel) swatch, 240 twips from the
// inner box's left edge; its caption starts 75 twips under it.
constexpr int SwatchTwips = 300;
constexpr int SwatchLeftTwips = 240;
constexpr int CaptionGapTwips = 75;

} // namespace

ucRecent::ucRecent(QWidget *parent)
    : QWidget(parent), m_pOuter(new QWidget), m_pInner(new QWidget(m_pOuter)),
      m_pScroll(new QScrollBar(Qt::Vertical))
{
    setObjectName(QStringLiteral("ucRecent"));
    auto *fFrame = new QFrame;
    fFrame->setObjectName(QStringLiteral("fFrame"));
    fFrame->setFrameShape(QFrame::StyledPanel);
    auto *lblCaption = new QLabel(QStringLiteral("Color History"));
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    auto *line1 = new QFrame;
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setFrameShape(QFrame::HLine);
    line1->setFrameShadow(QFrame::Sunken);

    m_pOuter->setObjectName(QStringLiteral("pOuter"));
    m_pOuter->setAccessibleName(QStringLiteral("Color History"));
    m_pInner->setObjectName(QStringLiteral("pInner"));
    m_pScroll->setObjectName(QStringLiteral("pScroll"));
    m_pScroll->setAccessibleName(QStringLiteral("Scroll Color History"));
    m_pScroll->setSingleStep(twipsToPixels(RecentColorsModel::RowTwips, this));
    m_pOuter->installEventFilter(this);

    auto *list = new QHBoxLayout;
    list->setContentsMargins(0, 0, 0, 0);
    list->setSpacing(0);
    list->addWidget(m_pOuter, 1);
    list->addWidget(m_pScroll);
    auto *frameLayout = new QVBoxLayout(fFrame);
    frameLayout->setContentsMargins(4, 2, 2, 2);
    frameLayout->setSpacing(2);
    frameLayout->addWidget(lblCaption);
    frameLayout->addWidget(line1);
    frameLayout->addLayout(list, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fFrame);

    connect(&m_model, &RecentColorsModel::changed, this, &ucRecent::showModel);
    connect(m_pScroll, &QScrollBar::valueChanged, this, &ucRecent::placeInner);
    showModel();
}

void ucRecent::buildEntry(int index)
{
    const int row = twipsToPixels(index * RecentColorsModel::RowTwips, this);
    const int side = twipsToPixels(SwatchTwips, this);
    auto *swatch = new ColorSwatch(m_pInner);
    swatch->setObjectName(QStringLiteral("pColor%1").arg(index));
    swatch->setAccessibleName(QStringLiteral("Recent color %1").arg(index + 1));
    swatch->setGeometry(twipsToPixels(SwatchLeftTwips, this), row, side, side);
    connect(swatch, &ColorSwatch::doubleClicked, this,
        [this, swatch] { emit LeftDblClick(swatch->color()); });
    connect(swatch, &ColorSwatch::pressed, this,
        [this, swatch](Qt::MouseButton button, const QPoint &globalPos) {
            if (button == Qt::RightButton)
                emit RightClick(swatch->color(), globalPos);
        });

    auto *label = new QLabel(m_pInner);
    label->setObjectName(QStringLiteral("pLabel%1").arg(index));
    QFont small = label->font();
    small.setPointSizeF(std::min(small.pointSizeF(), 8.0));
    label->setFont(small);
    const int top = row + side + twipsToPixels(CaptionGapTwips, this);
    label->setGeometry(0, top, twipsToPixels(SwatchLeftTwips * 2 + SwatchTwips, this),
        QFontMetrics(small).height());
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_pColor.append(swatch);
    m_pLabel.append(label);
    swatch->show();
    label->show();
}

void ucRecent::showModel()
{
    const QList<RecentColorsModel::Entry> &entries = m_model.entries();
    while (m_pColor.size() > entries.size()) {
        delete m_pColor.takeLast();
        delete m_pLabel.takeLast();
    }
    while (m_pColor.size() < entries.size())
        buildEntry(int(m_pColor.size()));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        m_pColor[i]->setColor(entries[i].color);
        // Captions come from the settings store too; a long one is cut short.
        QLabel *label = m_pLabel[i];
        label->setText(label->fontMetrics().elidedText(
            entries[i].caption, Qt::ElideRight, label->width()));
    }
    // A list that the model scrolled keeps its place only while the model's
    // scroll bar stays put (a full list shifting under the user).
    const RecentColorsModel::Scroll scroll = m_model.scroll();
    const bool moved = scroll != m_shownScroll;
    m_shownScroll = scroll;
    updateScrollRange();
    m_pScroll->setEnabled(scroll.enabled);
    if (moved)
        m_pScroll->setValue(twipsToPixels(scroll.value, this));
    placeInner();
}

void ucRecent::updateScrollRange()
{
    // The model scrolls its newest entry to the top of the view; the view
    // stops once the last entry is at the bottom, so it is never half empty
    // while older entries are hidden above it.
    const int rows = int(m_pColor.size()) * twipsToPixels(RecentColorsModel::RowTwips, this);
    const int overflow = std::max(0, rows - m_pOuter->height());
    m_pScroll->setRange(0, std::min(overflow, twipsToPixels(m_shownScroll.maximum, this)));
    m_pScroll->setPageStep(std::max(1, m_pOuter->height()));
}

void ucRecent::placeInner()
{
    const int rows = int(m_pColor.size()) * twipsToPixels(RecentColorsModel::RowTwips, this);
    m_pInner->setGeometry(0, -m_pScroll->value(), m_pOuter->width(), rows + m_pOuter->height());
}

bool ucRecent::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pOuter) {
        if (event->type() == QEvent::Resize) {
            updateScrollRange();
            placeInner();
        } else if (event->type() == QEvent::Wheel && m_pScroll->isEnabled()) {
            QApplication::sendEvent(m_pScroll, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
