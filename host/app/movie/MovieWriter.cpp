#include "movie/MovieWriter.h"

#include "movie/FfmpegMovieWriter.h"
#include "movie/RasterMetafileWriter.h"

namespace zorhost {

std::unique_ptr<MovieWriter> openMovie(const MovieSettings& settings, const std::string& path)
{
    if (settings.format == MovieFormat::RasterMetafile)
        return std::make_unique<RasterMetafileWriter>(path);
    return openFfmpegMovie(settings, path);
}

}  // namespace zorhost
