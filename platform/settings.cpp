#include "platform/settings.h"

#include <QSettings>

namespace platform {

QString GetSetting(const QString &key, const QString &defaultValue)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kelvora"),
                       QStringLiteral("Kelvora"));
    settings.beginGroup(QStringLiteral("Preferences"));
    return settings.value(key, defaultValue).toString();
}

void SaveSetting(const QString &key, const QString &value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kelvora"),
                       QStringLiteral("Kelvora"));
    settings.beginGroup(QStringLiteral("Preferences"));
    settings.setValue(key, value);
    settings.sync();
}

} // namespace platform
