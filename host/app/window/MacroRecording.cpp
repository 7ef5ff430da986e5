#include "window/MacroRecording.h"

#include <QSaveFile>

#include "zorsim/MacroModel.h"

namespace zorhost {

void MacroRecording::start(const std::string& path)
{
    path_ = path;
    firstLine_ = macro_.lines().size();
    macro_.setRecording(true);
}

std::string MacroRecording::stop()
{
    QSaveFile file(QString::fromStdString(path_));
    if (file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        const std::vector<std::string>& lines = macro_.lines();
        for (std::size_t line = firstLine_; line < lines.size(); ++line)
            file.write((lines[line] + "\n").c_str());
        if (file.commit()) {
            macro_.setRecording(false);
            path_.clear();
            return {};
        }
    }
    return "Cannot write the recorded macro " + path_ + ": " + file.errorString().toStdString();
}

}  // namespace zorhost
