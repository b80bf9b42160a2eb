#include "palette/RecentColorsModel.h"

#include "app/Settings.h"
#include "app/SettingsKeys.h"
#include "app/TextNumbers.h"

#include <algorithm>

namespace {

QString recentSection()
{
    return QString::fromLatin1(SettingsKeys::RecentSection);
}

QString captionKey(int index)
{
    return QLatin1String(SettingsKeys::RecentCaptionPrefix) + QString::number(index);
}

} // namespace

RecentColorsModel::RecentColorsModel(QObject *parent)
    : QObject(parent), m_entries { { kWhite, QStringLiteral("#FFFFFF") } }
{
}

void RecentColorsModel::layOut(int index, const Entry &entry)
{
    if (index < m_entries.size())
        m_entries[index] = entry;
    else
        m_entries.append(entry);
    if (index < 2) {
        m_scroll = Scroll();
        return;
    }
    const int maximum = index * RowTwips;
    m_scroll = { true, maximum, maximum };
}

bool RecentColorsModel::Add(ColorValue color, const QString &caption)
{
    if (color == m_lastAccepted)
        return false;
    if (m_count < Capacity) {
        layOut(m_count, { color, caption });
        ++m_count;
    } else {
        m_entries.removeFirst();
        m_entries.append({ color, caption });
    }
    m_lastAccepted = color;
    emit changed();
    return true;
}

void RecentColorsModel::SaveRecent() const
{
    QList<std::pair<QString, QString>> entries {
        { QString::fromLatin1(SettingsKeys::RecentCount.key), QString::number(m_count) }
    };
    for (int i = 0; i < m_count; ++i) {
        entries.append({ QString::number(i), QString::number(m_entries.at(i).color) });
        entries.append({ captionKey(i), m_entries.at(i).caption });
    }
    SaveSettings(recentSection(), entries);
}

void RecentColorsModel::LoadRecent()
{
    m_entries.resize(1);
    m_scroll = Scroll();
    // A damaged Count must neither fail start-up nor build thousands of
    // entries: it reads as 0 when it is not a number.
    m_count = std::clamp(GetSettingInt(SettingsKeys::RecentCount), 0, int(Capacity));
    QStringList colorKeys;
    QStringList captionKeys;
    for (int i = 0; i < m_count; ++i) {
        colorKeys.append(QString::number(i));
        captionKeys.append(captionKey(i));
    }
    const QString section = recentSection();
    const QString noColor = QString::fromLatin1(SettingsKeys::RecentColorDefault);
    const QStringList colors = GetSettings(section, colorKeys, noColor);
    const QStringList captions = GetSettings(section, captionKeys);
    for (int i = 0; i < m_count; ++i)
        layOut(i, { TextNumbers::toInt(colors.at(i)).value_or(noColor.toInt()), captions.at(i) });
    emit changed();
}
