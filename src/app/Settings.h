#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

#include <optional>

struct SettingKey;

// The per-user settings store: text values under the application name
// Tintwright, addressed by section and key. Sections and keys match without
// regard to letter case: an entry keeps the spelling it was first written
// with, and later writes in any other spelling overwrite it. Nothing is
// cached (every read goes to the store and every write is immediate).
// Numbers are stored as plain decimal text, booleans as True/False.
//
// On Windows this is the native per-user store; elsewhere an INI file in the
// user's configuration folder ($XDG_CONFIG_HOME/Tintwright/Tintwright.ini),
// which tests point at a temporary folder.
//
// A '/' or '\' inside a section or key name separates nested groups, as it
// does in the native store; empty name parts are ignored.

QString GetSetting(const QString &section, const QString &key, const QString &defaultValue = {});
void SaveSetting(const QString &section, const QString &key, const QString &value);

// Typed helpers over the text values. A stored text that does not convert
// gives the default. Integers also accept a decimal fraction or exponent,
// rounded half to even; booleans accept "true"/"false" in any letter case.
// Surrounding blanks are ignored.
int GetSettingInt(const QString &section, const QString &key, int defaultValue);
float GetSettingFloat(const QString &section, const QString &key, float defaultValue);
bool GetSettingBool(const QString &section, const QString &key, bool defaultValue);
void SaveSettingInt(const QString &section, const QString &key, int value);
void SaveSettingFloat(const QString &section, const QString &key, float value);
void SaveSettingBool(const QString &section, const QString &key, bool value);

// The same for the fixed entries of SettingsKeys.h; the default is the key's
// own default text (converted, for the typed reads).
QString GetSetting(const SettingKey &key);
int GetSettingInt(const SettingKey &key);
float GetSettingFloat(const SettingKey &key);
bool GetSettingBool(const SettingKey &key);
void SaveSetting(const SettingKey &key, const QString &value);
void SaveSettingInt(const SettingKey &key, int value);
void SaveSettingFloat(const SettingKey &key, float value);
void SaveSettingBool(const SettingKey &key, bool value);

// Many entries of one section in one access to the store, for state saved
// and restored as a whole (recent colours, favourites, a palette): one read,
// or one write made durable once, instead of one per entry, which costs a
// flush to disk each. Keys match as for GetSetting and SaveSetting; a
// missing entry reads as defaultValue.
QStringList GetSettings(
    const QString &section, const QStringList &keys, const QString &defaultValue = {});
void SaveSettings(const QString &section, const QList<std::pair<QString, QString>> &entries);

// Text forms of the store: shortest round-trip plain decimal for 32-bit
// floats ("1455", "0.5", "12495.5", "100000"; never an exponent) and
// True/False for booleans.
QString FloatToSettingText(float value);
QString BoolToSettingText(bool value);

// The text-to-value conversions of the typed reads: nothing for a text that
// does not convert (or gives a value that is not finite). Integers are read
// by TextNumbers::toInt.
std::optional<float> SettingTextToFloat(const QString &text);
std::optional<bool> SettingTextToBool(const QString &text);

// Path of the file behind the store (empty where the store is not a file).
QString SettingsFilePath();
