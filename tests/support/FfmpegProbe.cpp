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
    for (std::string key, value; std::getline(lines, key, '=') && std::getline(lines, value);)
        fields[key] = value;
    const std::string& frames = fields["nb_read_frames"];
    const bool counted = !frames.empty() && std::isdigit(static_cast<unsigned char>(frames[0]));
    return {fields["format_name"], fields["codec_name"], fields["width"] + "x" + fields["height"],
            fields["r_frame_rate"], counted ? std::stoi(frames) : -1};
}
