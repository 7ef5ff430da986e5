#include "window/SessionSettings.h"

#include <QSettings>

namespace zorhost {

SessionSettings::SessionSettings()
{
    // Without a temporary folder Qt would fall back to the user's own.
    const QString path = folder_.isValid() ? folder_.path() : QString("/nonexistent");
    for (QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, path);
}

}  // namespace zorhost
