#pragma once
#include <QString>

// What the calculation reads of the application's user settings and configuration
// keys, behind one seam so that the model runs (and is tested) without the
// application object. The application installs itself as the source.
class SettingsSource
{
public:
    virtual ~SettingsSource();
    // A user setting by name ("BusinessName", "BusinessEFileNum", ...); empty when unset.
    virtual QString userSetting(const QString &name) const = 0;
    // A configuration key of gr_path.ini ("EfileSoftwareCode", "OverwriteStatus", ...).
    virtual QString configValue(const QString &key) const = 0;
    // Stores an integer user setting in memory and in the settings table;
    // false when it could not be stored (the default source stores nothing).
    virtual bool setUserInt(const QString &name, int value);
};

// The source in force; one answering empty texts until another is installed.
SettingsSource *settingsSource();
// Installs a source (not owned); null restores the empty one.
void setSettingsSource(SettingsSource *source);
