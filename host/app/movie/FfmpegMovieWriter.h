// The movie formats written through FFmpeg's libraries, each in its usual
// container with a codec suited to it:
//
//   AVI          avi  MPEG-4 part 2 (colour preserving), Motion JPEG 4:4:4
//                     (line preserving: no colour subsampling blurs thin
//                     lines) or uncompressed BGR (lossless)
//   Flash (FLV)  flv  Sorenson Spark
//   Flash (SWF)  swf  Sorenson Spark at its finest quantiser (true colour),
//                     Motion JPEG (JPEG), or Sorenson Spark of pictures
//                     reduced to 256 colours; optimised for speed with
//                     key frames only, for file size with motion search
//   MPEG-4       mp4  H.264 (libx264)
//   WMV          asf  Windows Media Video 8
#ifndef ZORHOST_FFMPEG_MOVIE_WRITER_H
#define ZORHOST_FFMPEG_MOVIE_WRITER_H

#include <memory>

#include "movie/MovieWriter.h"

namespace zorhost {

// Throws MovieError when the file cannot be created or the codec is missing.
// The encoder opens with the first frame, whose size it then keeps.
std::unique_ptr<MovieWriter> openFfmpegMovie(const MovieSettings& settings, const std::string& path);

}  // namespace zorhost

#endif
