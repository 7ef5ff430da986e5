#include "window/WindowMemory.h"

#include <QSettings>
#include <QWidget>

namespace zorhost {

namespace windowMemory {

namespace {

// Opened anew for each value: written at once, and a moved configuration
// folder counts from then on.
QSettings settings()
{
    return QSettings(QSettings::UserScope, "zorhost", "window");
}

}  // namespace

bool restorePlace(QWidget& widget, const QString& key)
{
    const QByteArray place = settings().value("places/" + key).toByteArray();
    return !place.isEmpty() && widget.restoreGeometry(place);
}

void savePlace(const QWidget& widget, const QString& key)
{
    settings().setValue("places/" + key, widget.saveGeometry());
}

QString folder(const QString& kind)
{
    return settings().value("folders/" + kind).toString();
}

void setFolder(const QString& kind, const QString& folder)
{
    settings().setValue("folders/" + kind, folder);
}

bool flag(const QString& key, bool fallback)
{
    return settings().value(key, fallback).toBool();
}

void setFlag(const QString& key, bool on)
{
    settings().setValue(key, on);
}

}  // namespace windowMemory

}  // namespace zorhost
