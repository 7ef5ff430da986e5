#include "support/FfmpegProbe.h"

#include <cctype>
#include <map>
#include <sstream>
#include <string>

#include "support/ZorhostRun.h"

MovieProbe probeMovie(const std::string& path)
{
    // ffprobe's "key=value" lines for the fields a test compares.
    std::istringstream lines(runCommand("ffprobe -v error -count_frames -select_streams v:0 "
                                        "-show_entries stream=codec_name,width,height,nb_read_frames,r_frame_rate "
                                        "-show_entries format=format_name -of default=noprint_wrappers=1 '" +
                                        path + "'")
                                 .output);
    std::map<std::string, std::string> fields;
    for (std::string line; std::getline(lines, line);) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos)
            fields[line.substr(0, equals)] = line.substr(equals + 1);
    }
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
