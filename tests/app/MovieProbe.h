// What FFmpeg's ffprobe reports of a movie file, for tests that check the
// movies zorhost writes.
#ifndef KFA_TESTS_APP_MOVIE_PROBE_H
#define KFA_TESTS_APP_MOVIE_PROBE_H

#include <map>
#include <string>

// The first video stream's codec_name, width, height, nb_read_frames and
// r_frame_rate, and the container's format_name; empty when ffprobe cannot
// be run.
std::map<std::string, std::string> probeMovie(const std::string& path);

#endif
