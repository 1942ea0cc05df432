#pragma once
// Clears the program's settings before and after a test.

#include <QSettings>

namespace testing_support {

inline void clearSettings()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kelvora"),
                       QStringLiteral("Kelvora"));
    settings.clear();
    settings.sync();
}

} // namespace testing_support
