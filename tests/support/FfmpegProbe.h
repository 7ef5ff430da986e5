// What FFmpeg's ffprobe reads of a movie file: its container and its first
// video stream, with the frames counted by decoding them.
//
//   const MovieProbe movie = probeMovie("out.mp4");
//   EXPECT_EQ(21, movie.frames);
#ifndef KFA_TESTS_FFMPEG_PROBE_H
#define KFA_TESTS_FFMPEG_PROBE_H

#include <string>

struct MovieProbe {
    // ffprobe's names: "avi", "mov,mp4,m4a,3gp,3g2,mj2", ...
    std::string container;
    std::string codec;
    std::string size;  // "WIDTHxHEIGHT"
    std::string frameRate;  // "NUMERATOR/DENOMINATOR"
    // -1 when the file could not be read as a movie.
    int frames = -1;
};

MovieProbe probeMovie(const std::string& path);

#endif
