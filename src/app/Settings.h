#pragma once

#include <QString>

// The per-user settings store: text values under the application name
// Tintwright, addressed by section and key. Sections and keys match without
// regard to letter case; nothing is cached (every read goes to the store and
// every write is immediate). Numbers are stored as plain decimal text,
// booleans as True/False.
//
// On Windows this is the native per-user store; elsewhere an INI file in the
// user's configuration folder ($XDG_CONFIG_HOME/Tintwright/Tintwright.ini),
// which tests point at a temporary folder.

QString GetSetting(const QString &section, const QString &key, const QString &defaultValue = {});
void SaveSetting(const QString &section, const QString &key, const QString &value);

// Typed helpers over the text values. A stored text that does not convert
// gives the default.
int GetSettingInt(const QString &section, const QString &key, int defaultValue);
float GetSettingFloat(const QString &section, const QString &key, float defaultValue);
bool GetSettingBool(const QString &section, const QString &key, bool defaultValue);
void SaveSettingInt(const QString &section, const QString &key, int value);
void SaveSettingFloat(const QString &section, const QString &key, float value);
void SaveSettingBool(const QString &section, const QString &key, bool value);

// Text forms of the store: shortest round-trip decimal for 32-bit floats
// ("1455", "0.5", "12495.5") and True/False for booleans.
QString FloatToSettingText(float value);
QString BoolToSettingText(bool value);

// Path of the file behind the store (empty where the store is not a file).
QString SettingsFilePath();
