#include "sheet/PngFile.h"

#include <png.h>

#include <vector>

namespace zorhost {

namespace {

// A failed write leaves the stream bad; its owner reports why.
void writeBytes(png_structp png, png_bytep bytes, png_size_t size)
{
    static_cast<std::ostream*>(png_get_io_ptr(png))
        ->write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
}

void flushNothing(png_structp) {}

// Runs libpng's write into `out`; false when libpng reported an error.
bool encode(std::ostream& out, const Image& image)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows(static_cast<std::size_t>(image.height));
    // libpng reports errors by a long jump back here.
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &out, writeBytes, flushNothing);
    // An image sequence is written picture by picture: fast compression
    // keeps it from costing more than the drawing.
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    for (int y = 0; y < image.height; ++y)
        rows[static_cast<std::size_t>(y)] = const_cast<png_bytep>(image.pixel(0, y));
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

void writePng(std::ostream& out, const Image& image)
{
    if (image.width < 1 || image.height < 1)
        throw PngError("cannot write an empty picture");
    if (!encode(out, image))
        throw PngError("libpng cannot encode the picture");
}

}  // namespace zorhost
