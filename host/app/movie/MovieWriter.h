// Writing the frames of a movie into a file, in one of the host's movie
// formats.
//
//   std::unique_ptr<MovieWriter> movie = openMovie(settings, path);
//   movie->addFrame(image);   // once per frame
//   movie->finish();          // or abandon(); the destructor abandons
//
// The first frame fixes the movie's size; later frames of another size are
// scaled to it. A writer that failed (MovieError) is abandoned: the caller
// drops it, and nothing of the movie is left in the file system. The
// errors say what failed without naming the file, which is a temporary one:
// the caller names the movie.
#ifndef ZORHOST_MOVIE_WRITER_H
#define ZORHOST_MOVIE_WRITER_H

#include <memory>
#include <stdexcept>
#include <string>

#include "render/Image.h"

namespace zorhost {

// The host values of the movie formats and their options.
enum class MovieFormat : int { RasterMetafile = 0, AVI = 14, Flash = 17, FLV = 20, MPEG4 = 21, WMV = 22 };
enum class AviCompression : int { ColorPreserving = 0, LinePreserving = 1, LosslessUncompressed = 2 };
enum class FlashImageType : int { Lossless = 0, JPEG = 1, Colors256 = 2 };
enum class FlashCompression : int { BestSpeed = 0, SmallestSize = 1 };

struct MovieSettings {
    MovieFormat format = MovieFormat::MPEG4;
    AviCompression aviCompression = AviCompression::ColorPreserving;
    FlashImageType flashImageType = FlashImageType::Lossless;
    FlashCompression flashCompression = FlashCompression::BestSpeed;
    double framesPerSecond = 30.0;
};

class MovieError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class MovieWriter {
public:
    virtual ~MovieWriter() = default;
    // Encodes one frame; throws MovieError.
    virtual void addFrame(const Image& frame) = 0;
    // Flushes the encoder and completes the file; throws MovieError, after
    // which the file is removed.
    virtual void finish() = 0;
    // Stops without completing and removes the file.
    virtual void abandon() = 0;
    // Frames written so far.
    virtual int frames() const = 0;
};

// A writer for `settings` into `path` (created or truncated); throws
// MovieError when the file cannot be created or the format is unknown.
std::unique_ptr<MovieWriter> openMovie(const MovieSettings& settings, const std::string& path);

// The movie size a codec of `format` takes for a picture of width x height:
// formats stored as 4:2:0 need even sizes, so an odd size loses its last
// column or row.
void movieSize(const MovieSettings& settings, int& width, int& height);

}  // namespace zorhost

#endif
