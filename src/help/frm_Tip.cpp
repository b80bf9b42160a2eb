#include "help/frm_Tip.h"

#include "help/TipLightBulb.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Width of the tip text in logical pixels; the height is fixed to fit the
// longest tip so that the window does not jump when Next Tip is pressed.
constexpr int kTipTextWidth = 340;

QColor mixed(const QColor &a, const QColor &b, qreal amountOfB)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * amountOfB,
        a.greenF() + (b.greenF() - a.greenF()) * amountOfB,
        a.blueF() + (b.blueF() - a.blueF()) * amountOfB);
}

void scaleFont(QWidget *widget, qreal factor, bool bold)
{
    QFont font = widget->font();
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    widget->setFont(font);
}

int tallestTipHeight(const QFontMetrics &metrics)
{
    int tallest = 0;
    for (int number = TipModel::FirstTip; number <= TipModel::LastTip; ++number) {
        const QRect bounds = metrics.boundingRect(
            QRect(0, 0, kTipTextWidth, 10000), Qt::TextWordWrap, TipModel::text(number));
        tallest = std::max(tallest, bounds.height());
    }
    return tallest;
}

} // namespace

frm_Tip::frm_Tip(QWidget *owner, TipModel::RandomSource source)
    : QDialog(owner), m_model(std::move(source))
{
    setObjectName(QStringLiteral("frm_Tip"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setWindowTitle(QStringLiteral("Tip of the Day"));
    buildUi();
    m_loadAtStartup->setChecked(TipModel::showAtStartup());
    showNextTip();
}

frm_Tip::~frm_Tip()
{
    // Reached without done() when the owner goes away with the window open.
    if (!m_preferenceSaved)
        savePreference();
}

frm_Tip *frm_Tip::DisplayCurrentTip(QWidget *owner)
{
    if (!TipModel::showAtStartup())
        return nullptr;
    frm_Tip *window = showFor(owner);
    window->m_loadAtStartup->setChecked(true);
    return window;
}

frm_Tip *frm_Tip::ShowQuickTips(QWidget *owner)
{
    return showFor(owner);
}

frm_Tip *frm_Tip::showFor(QWidget *owner)
{
    // One tips window per owner: asking again brings the open one forward.
    frm_Tip *window = nullptr;
    if (owner) {
        const auto open = owner->findChildren<frm_Tip *>(Qt::FindDirectChildrenOnly);
        for (frm_Tip *candidate : open) {
            if (candidate->isVisible())
                window = candidate;
        }
    }
    if (window) {
        window->raise();
        window->activateWindow();
        return window;
    }
    window = new frm_Tip(owner);
    window->show();
    return window;
}

void frm_Tip::done(int result)
{
    savePreference();
    QDialog::done(result);
}

void frm_Tip::buildUi()
{
    m_loadAtStartup = new QCheckBox(QStringLiteral("&Show Tips at Startup"), this);
    m_loadAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));

    m_nextTip = new QPushButton(QStringLiteral("&Next Tip"), this);
    m_nextTip->setObjectName(QStringLiteral("cmdNextTip"));
    m_nextTip->setAutoDefault(false);
    connect(m_nextTip, &QPushButton::clicked, this, &frm_Tip::showNextTip);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_loadAtStartup);
    buttons->addStretch(1);
    buttons->addWidget(m_nextTip);
    buttons->addWidget(m_ok);

    auto *root = new QVBoxLayout(this);
    root->setSizeConstraint(QLayout::SetFixedSize);
    root->setContentsMargins(12, 12, 12, 12);
    root->setSpacing(12);
    root->addWidget(buildPanel());
    root->addLayout(buttons);
}

QWidget *frm_Tip::buildPanel()
{
    // A framed white page with a tinted strip on the left holding the bulb.
    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setBackgroundRole(QPalette::Base);
    panel->setAutoFillBackground(true);

    auto *strip = new QWidget(panel);
    QPalette stripPalette = strip->palette();
    stripPalette.setColor(QPalette::Window,
        mixed(palette().color(QPalette::Base), palette().color(QPalette::Highlight), 0.14));
    strip->setPalette(stripPalette);
    strip->setBackgroundRole(QPalette::Window); // would inherit the page's Base otherwise
    strip->setAutoFillBackground(true);
    auto *stripLayout = new QVBoxLayout(strip);
    stripLayout->setContentsMargins(14, 16, 14, 16);
    stripLayout->addWidget(new TipLightBulb(strip));
    stripLayout->addStretch(1);

    auto *heading = new QLabel(QStringLiteral("Did you know..."), panel);
    heading->setObjectName(QStringLiteral("lblDidYouKnow"));
    scaleFont(heading, 1.4, true);

    auto *rule = new QFrame(panel);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    m_tipText = new QLabel(panel);
    m_tipText->setObjectName(QStringLiteral("lblTipText"));
    m_tipText->setTextFormat(Qt::PlainText);
    m_tipText->setWordWrap(true);
    m_tipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scaleFont(m_tipText, 1.15, false);
    m_tipText->setFixedWidth(kTipTextWidth);
    m_tipText->setMinimumHeight(tallestTipHeight(m_tipText->fontMetrics()));

    auto *content = new QVBoxLayout;
    content->setContentsMargins(18, 14, 18, 18);
    content->setSpacing(10);
    content->addWidget(heading);
    content->addWidget(rule);
    content->addWidget(m_tipText);
    content->addStretch(1);

    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strip);
    layout->addLayout(content, 1);
    return panel;
}

void frm_Tip::showNextTip()
{
    m_model.next();
    m_tipText->setText(m_model.currentText());
}

void frm_Tip::savePreference()
{
    TipModel::setShowAtStartup(m_loadAtStartup->isChecked());
    m_preferenceSaved = true;
}
