#include "support/FfmpegProbe.h"

#include <cctype>
#include <cstdio>
#include <map>
#include <string>

namespace {

// ffprobe's "key=value" lines for the fields a test compares.
std::map<std::string, std::string> probeFields(const std::string& path)
{
    const std::string command = "ffprobe -v error -count_frames -select_streams v:0 "
                                "-show_entries stream=codec_name,width,height,nb_read_frames,r_frame_rate "
                                "-show_entries format=format_name -of default=noprint_wrappers=1 '" +
                                path + "' 2>&1";
    std::map<std::string, std::string> fields;
    std::FILE* output = popen(command.c_str(), "r");
    if (output == nullptr)
        return fields;
    char line[512];
    while (std::fgets(line, sizeof line, output) != nullptr) {
        std::string text(line);
        text.erase(text.find_last_not_of("\r\n") + 1);
        const std::size_t equals = text.find('=');
        if (equals != std::string::npos)
            fields[text.substr(0, equals)] = text.substr(equals + 1);
    }
    pclose(output);
    return fields;
}

}  // namespace

MovieProbe probeMovie(const std::string& path)
{
    std::map<std::string, std::string> fields = probeFields(path);
    MovieProbe movie;
    movie.container = fields["format_name"];
    movie.codec = fields["codec_name"];
    movie.size = fields["width"] + "x" + fields["height"];
    movie.frameRate = fields["r_frame_rate"];
    const std::string& frames = fields["nb_read_frames"];
    if (!frames.empty() && std::isdigit(static_cast<unsigned char>(frames[0])))
        movie.frames = std::stoi(frames);
    return movie;
}
