#include "settingsseam.h"

SettingsSource::~SettingsSource() = default;

bool SettingsSource::setUserInt(const QString &, int)
{
    return false;
}

namespace {
class EmptySettings : public SettingsSource
{
public:
    QString userSetting(const QString &) const override { return QString(); }
    QString configValue(const QString &) const override { return QString(); }
};

SettingsSource *&current()
{
    static SettingsSource *source = nullptr;
    return source;
}
} // namespace

SettingsSource *settingsSource()
{
    static EmptySettings empty;
    return current() ? current() : &empty;
}

void setSettingsSource(SettingsSource *source)
{
    current() = source;
}
