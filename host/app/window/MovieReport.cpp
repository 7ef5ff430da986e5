#include "window/MovieReport.h"

#include <QFileInfo>
#include <QLocale>

#include "player/HostScene.h"
#include "zorsim/Host.h"

namespace zorhost {

MovieReport::MovieReport(const zorsim::Host& host)
    : host_(host), completions_(host.exports.completions()), cancels_(host.exports.cancels())
{
}

QString MovieReport::outcome() const
{
    const QString name = QString::fromStdString(host_.exports.values().fileName());
    if (host_.exports.completions() != completions_) {
        int width = 0;
        int height = 0;
        exportPictureSize(host_, width, height);
        return QString("Wrote the movie %1: %2 frames of %3 x %4 pixels, %5.")
            .arg(name)
            .arg(host_.exports.movieFrames())
            .arg(width)
            .arg(height)
            .arg(QLocale().formattedDataSize(QFileInfo(name).size()));
    }
    if (host_.exports.cancels() != cancels_)
        return "The movie export was cancelled: " + name + " was not written, and nothing of it was left behind.";
    return {};
}

}  // namespace zorhost
