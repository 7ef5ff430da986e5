// Little-endian numbers, strings and arrays in and out of byte buffers.
// ByteReader checks every read against what is left and throws
// DataStreamError instead of reading past the end.
#ifndef ZORHOST_BYTE_CODEC_H
#define ZORHOST_BYTE_CODEC_H

#include <cstdint>
#include <string>
#include <vector>

namespace zorhost {

class ByteWriter {
public:
    void u8(std::uint8_t value) { bytes_.push_back(static_cast<char>(value)); }
    void u32(std::uint32_t value);
    void u64(std::uint64_t value);
    void f32(float value);
    void f64(double value);
    void string(const std::string& text);
    void u32s(const std::vector<std::uint32_t>& values);
    void f32s(const std::vector<float>& values);

    const std::string& bytes() const { return bytes_; }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

class ByteReader {
public:
    ByteReader(const char* data, std::size_t size) : data_(data), left_(size) {}

    std::uint8_t u8();
    std::uint32_t u32();
    std::uint64_t u64();
    float f32();
    double f64();
    // A string of at most `maxLength` bytes.
    std::string string(std::uint32_t maxLength);
    // A u32 count of elements of `elementSize` bytes each, which must fit
    // into what is left.
    std::uint32_t count(std::size_t elementSize);
    std::vector<std::uint32_t> u32s(std::uint32_t n);
    std::vector<float> f32s(std::uint32_t n);

    std::size_t left() const { return left_; }

private:
    const unsigned char* take(std::size_t n);

    const char* data_;
    std::size_t left_;
};

}  // namespace zorhost

#endif
