#include "app/Settings.h"

#include "app/SettingsKeys.h"
#include "app/TextNumbers.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace {

#ifdef Q_OS_WIN
constexpr QSettings::Format StoreFormat = QSettings::NativeFormat;
#else
constexpr QSettings::Format StoreFormat = QSettings::IniFormat;
#endif

// A fresh view of the store for each access, so that a value written by
// another process (or by hand) is seen at once. Fallbacks are off: the
// organisation-wide and system-wide files must never leak values in.
class Store {
public:
    Store()
        : m_settings(StoreFormat, QSettings::UserScope,
            QString::fromLatin1(SettingsKeys::ApplicationName),
            QString::fromLatin1(SettingsKeys::ApplicationName))
    {
        m_settings.setFallbacksEnabled(false);
    }

    QSettings &settings() { return m_settings; }

    // The path under which the entry section/key is stored: each part takes
    // the spelling of an existing group or key that matches it without
    // regard to case, so that every spelling reaches the same entry. Parts
    // below the first one without a match keep the caller's spelling.
    QString resolve(const QString &section, const QString &key)
    {
        const QStringList parts = nameParts(section) + nameParts(key);
        QStringList resolved;
        int openedGroups = 0;
        bool matching = true;
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const bool isKey = i == parts.size() - 1;
            QString part = parts.at(i);
            if (matching) {
                const QStringList existing
                    = isKey ? m_settings.childKeys() : m_settings.childGroups();
                const QString found = findIgnoringCase(existing, part);
                matching = !found.isEmpty();
                if (matching)
                    part = found;
                if (matching && !isKey) {
                    m_settings.beginGroup(part);
                    ++openedGroups;
                }
            }
            resolved.append(part);
        }
        while (openedGroups-- > 0)
            m_settings.endGroup();
        return resolved.join(QLatin1Char('/'));
    }

private:
    static QStringList nameParts(QString name)
    {
        name.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    }

    static QString findIgnoringCase(const QStringList &names, const QString &name)
    {
        for (const QString &candidate : names) {
            if (candidate.compare(name, Qt::CaseInsensitive) == 0)
                return candidate;
        }
        return {};
    }

    QSettings m_settings;
};

// The INI reader turns an unquoted value with commas into a list; the
// program only writes strings (quoted when they hold commas), so a list can
// only come from an edited file and is read back as its comma-joined text.
QString storedText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

} // namespace

std::optional<float> SettingTextToFloat(const QString &text)
{
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> SettingTextToBool(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

namespace {

QString latin1(const char *text)
{
    return QString::fromLatin1(text);
}

} // namespace

QString GetSetting(const QString &section, const QString &key, const QString &defaultValue)
{
    Store store;
    const QString path = store.resolve(section, key);
    if (path.isEmpty())
        return defaultValue;
    const QVariant value = store.settings().value(path);
    return value.isValid() ? storedText(value) : defaultValue;
}

void SaveSetting(const QString &section, const QString &key, const QString &value)
{
    Store store;
    const QString path = store.resolve(section, key);
    if (path.isEmpty())
        return;
    store.settings().setValue(path, value);
    store.settings().sync();
}

QStringList GetSettings(
    const QString &section, const QStringList &keys, const QString &defaultValue)
{
    Store store;
    QStringList values;
    values.reserve(keys.size());
    for (const QString &key : keys) {
        const QString path = store.resolve(section, key);
        const QVariant value = path.isEmpty() ? QVariant() : store.settings().value(path);
        values.append(value.isValid() ? storedText(value) : defaultValue);
    }
    return values;
}

void SaveSettings(const QString &section, const QList<std::pair<QString, QString>> &entries)
{
    Store store;
    for (const auto &[key, value] : entries) {
        const QString path = store.resolve(section, key);
        if (!path.isEmpty())
            store.settings().setValue(path, value);
    }
    store.settings().sync();
}

int GetSettingInt(const QString &section, const QString &key, int defaultValue)
{
    return TextNumbers::toInt(GetSetting(section, key)).value_or(defaultValue);
}

float GetSettingFloat(const QString &section, const QString &key, float defaultValue)
{
    return SettingTextToFloat(GetSetting(section, key)).value_or(defaultValue);
}

bool GetSettingBool(const QString &section, const QString &key, bool defaultValue)
{
    return SettingTextToBool(GetSetting(section, key)).value_or(defaultValue);
}

void SaveSettingInt(const QString &section, const QString &key, int value)
{
    SaveSetting(section, key, QString::number(value));
}

void SaveSettingFloat(const QString &section, const QString &key, float value)
{
    SaveSetting(section, key, FloatToSettingText(value));
}

void SaveSettingBool(const QString &section, const QString &key, bool value)
{
    SaveSetting(section, key, BoolToSettingText(value));
}

QString GetSetting(const SettingKey &key)
{
    return GetSetting(latin1(key.section), latin1(key.key), latin1(key.defaultValue));
}

int GetSettingInt(const SettingKey &key)
{
    return GetSettingInt(latin1(key.section), latin1(key.key),
        TextNumbers::toInt(latin1(key.defaultValue)).value_or(0));
}

float GetSettingFloat(const SettingKey &key)
{
    return GetSettingFloat(latin1(key.section), latin1(key.key),
        SettingTextToFloat(latin1(key.defaultValue)).value_or(0.0f));
}

bool GetSettingBool(const SettingKey &key)
{
    return GetSettingBool(latin1(key.section), latin1(key.key),
        SettingTextToBool(latin1(key.defaultValue)).value_or(false));
}

void SaveSetting(const SettingKey &key, const QString &value)
{
    SaveSetting(latin1(key.section), latin1(key.key), value);
}

void SaveSettingInt(const SettingKey &key, int value)
{
    SaveSettingInt(latin1(key.section), latin1(key.key), value);
}

void SaveSettingFloat(const SettingKey &key, float value)
{
    SaveSettingFloat(latin1(key.section), latin1(key.key), value);
}

void SaveSettingBool(const SettingKey &key, bool value)
{
    SaveSettingBool(latin1(key.section), latin1(key.key), value);
}

QString FloatToSettingText(float value)
{
    // Fixed notation with no precision given is the shortest text that reads
    // back as the same float, without switching to an exponent for large or
    // small values. The widest case (the smallest subnormal) needs under 60
    // characters.
    char buffer[64];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc())
        return QString::number(double(value), 'g', 9);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString BoolToSettingText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString SettingsFilePath()
{
#ifdef Q_OS_WIN
    return {};
#else
    Store store;
    return store.settings().fileName();
#endif
}
