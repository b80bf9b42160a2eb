#include "mainwindow/ColorInfoPanel.h"

#include "app/PlatformServices.h"
#include "app/Twips.h"
#include "widgets/ColorFormats.h"
#include "widgets/QtColors.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>

ColorInfoPanel::ColorInfoPanel(QWidget *parent)
    : QWidget(parent), m_chkColorInfo(new QCheckBox(QStringLiteral("&Color Information"), this)),
      m_flxColorInfo(new QTableWidget(ColorFormats::kInfoRows, 2, this)),
      m_lblSelColor(new QLabel(this)), m_tmrUpdtColorInfo(new QTimer(this))
{
    m_chkColorInfo->setObjectName(QStringLiteral("chkColorInfo"));
    m_flxColorInfo->setObjectName(QStringLiteral("flxColorInfo"));
    m_lblSelColor->setObjectName(QStringLiteral("lblSelColor"));
    m_tmrUpdtColorInfo->setObjectName(QStringLiteral("tmrUpdtColorInfo"));

    // A read-only, header-less grid sized to its content: labels 7 and values
    // 18 digit widths, rows 200 twips.
    m_flxColorInfo->horizontalHeader()->hide();
    m_flxColorInfo->verticalHeader()->hide();
    m_flxColorInfo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_flxColorInfo->setSelectionMode(QAbstractItemView::NoSelection);
    m_flxColorInfo->setFocusPolicy(Qt::NoFocus);
    m_flxColorInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_flxColorInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_flxColorInfo->verticalHeader()->setMinimumSectionSize(1);
    const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const int rowHeight = qMax(twipsToPixels(200, this), fontMetrics().height() + 2);
    m_flxColorInfo->setColumnWidth(0, 7 * digit + 6);
    // 18 digits, or the widest text the grid can show in a proportional font.
    const int widest = fontMetrics().horizontalAdvance(QStringLiteral("255.255.255 (16777215)"));
    m_flxColorInfo->setColumnWidth(1, qMax(18 * digit, widest) + 8);
    const auto labels = ColorFormats::infoLabels();
    for (int row = 0; row < ColorFormats::kInfoRows; ++row) {
        m_flxColorInfo->setRowHeight(row, rowHeight);
        auto *label = new QTableWidgetItem(labels[row]);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        m_flxColorInfo->setItem(row, 0, label);
        m_flxColorInfo->setItem(row, 1, new QTableWidgetItem);
    }
    const int frame = 2 * m_flxColorInfo->frameWidth();
    m_flxColorInfo->setFixedSize(
        m_flxColorInfo->columnWidth(0) + m_flxColorInfo->columnWidth(1) + frame,
        ColorFormats::kInfoRows * rowHeight + frame);

    m_lblSelColor->setFixedWidth(2 * rowHeight);
    m_lblSelColor->setFrameShape(QFrame::Box);
    m_lblSelColor->setAutoFillBackground(true);
    m_lblSelColor->setToolTip(QStringLiteral("Colour under the pointer"));

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(6);
    layout->setVerticalSpacing(2);
    layout->addWidget(m_chkColorInfo, 0, 0, 1, 2);
    layout->addWidget(m_flxColorInfo, 1, 0);
    layout->addWidget(m_lblSelColor, 1, 1);
    layout->setRowStretch(2, 1);

    m_chkColorInfo->setChecked(true);
    connect(m_chkColorInfo, &QCheckBox::toggled, this, [this](bool checked) {
        setShowColorInfo(checked);
        emit showColorInfoToggled(checked);
    });
    m_tmrUpdtColorInfo->setInterval(kSampleIntervalMs);
    connect(m_tmrUpdtColorInfo, &QTimer::timeout, this, &ColorInfoPanel::sample);
    m_tmrUpdtColorInfo->start();
}

bool ColorInfoPanel::UpdateColorInfo(ColorValue color)
{
    if (color < 0 || color == m_hoverColor)
        return false;
    m_hoverColor = color;
    const auto values = ColorFormats::infoValues(color);
    m_flxColorInfo->setUpdatesEnabled(false);
    for (int row = 0; row < ColorFormats::kInfoRows; ++row)
        m_flxColorInfo->item(row, 1)->setText(values[row]);
    m_flxColorInfo->setUpdatesEnabled(true);
    QPalette palette = m_lblSelColor->palette();
    palette.setColor(QPalette::Window, toQColor(color));
    m_lblSelColor->setPalette(palette);
    return true;
}

void ColorInfoPanel::setShowColorInfo(bool show)
{
    m_showColorInfo = show;
    m_chkColorInfo->setChecked(show);
    m_flxColorInfo->setVisible(show);
    m_lblSelColor->setVisible(show);
}

void ColorInfoPanel::setSamplingEnabled(bool enabled)
{
    if (enabled)
        m_tmrUpdtColorInfo->start();
    else
        m_tmrUpdtColorInfo->stop();
}

bool ColorInfoPanel::isSamplingEnabled() const
{
    return m_tmrUpdtColorInfo->isActive();
}

QString ColorInfoPanel::valueText(int row) const
{
    return m_flxColorInfo->item(row, 1)->text();
}

void ColorInfoPanel::sample()
{
    PlatformServices &services = PlatformServices::get();
    UpdateColorInfo(services.pixelAt(services.cursorPos()));
}
