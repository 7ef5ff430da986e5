// The Raster Metafile: the frames as binary PPM images (P6, 8 bits a
// channel), one after another in one file. Each frame, its header and its
// pixels, goes to the file in one system call.
#ifndef ZORHOST_RASTER_METAFILE_WRITER_H
#define ZORHOST_RASTER_METAFILE_WRITER_H

#include "movie/MovieWriter.h"

namespace zorhost {

class RasterMetafileWriter : public MovieWriter {
public:
    // Throws MovieError when `path` cannot be created.
    explicit RasterMetafileWriter(const std::string& path);
    ~RasterMetafileWriter() override;
    RasterMetafileWriter(const RasterMetafileWriter&) = delete;
    RasterMetafileWriter& operator=(const RasterMetafileWriter&) = delete;

    void addFrame(const Image& frame) override;
    void finish() override;
    void abandon() override;
    int frames() const override { return frames_; }

private:
    [[noreturn]] void fail(const std::string& what);
    // Writes the header and the pixels, resuming after a partial write.
    bool writeFrame(const std::string& header, const Image& frame);

    std::string path_;
    int file_ = -1;
    Image resized_;
    int width_ = 0;
    int height_ = 0;
    int frames_ = 0;
};

}  // namespace zorhost

#endif
