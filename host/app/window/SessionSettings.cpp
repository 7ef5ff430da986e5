#include "window/SessionSettings.h"

#include <QSettings>

namespace zorhost {

SessionSettings::SessionSettings()
{
    // Without a temporary folder Qt would fall back to the user's own.
    moveTo(folder_.isValid() ? folder_.path() : QString("/nonexistent"));
}

void SessionSettings::moveTo(const QString& folder)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, folder);
}

}  // namespace zorhost
