#include "datastream/ByteCodec.h"

#include <cstring>

#include "datastream/DataStream.h"

namespace zorhost {

namespace {

std::uint32_t bitsOf(float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::uint64_t bitsOf(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::uint32_t u32At(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

void ByteWriter::u32(std::uint32_t value)
{
    const char bytes[4] = {static_cast<char>(value), static_cast<char>(value >> 8), static_cast<char>(value >> 16),
                           static_cast<char>(value >> 24)};
    bytes_.append(bytes, sizeof bytes);
}

void ByteWriter::u64(std::uint64_t value)
{
    u32(static_cast<std::uint32_t>(value));
    u32(static_cast<std::uint32_t>(value >> 32));
}

void ByteWriter::f32(float value)
{
    u32(bitsOf(value));
}

void ByteWriter::f64(double value)
{
    u64(bitsOf(value));
}

void ByteWriter::string(const std::string& text)
{
    u32(static_cast<std::uint32_t>(text.size()));
    bytes_ += text;
}

void ByteWriter::u32s(const std::vector<std::uint32_t>& values)
{
    bytes_.reserve(bytes_.size() + 4 * values.size());
    for (std::uint32_t value : values)
        u32(value);
}

void ByteWriter::f32s(const std::vector<float>& values)
{
    bytes_.reserve(bytes_.size() + 4 * values.size());
    for (float value : values)
        f32(value);
}

const unsigned char* ByteReader::take(std::size_t n)
{
    if (n > left_)
        throw DataStreamError("a record ends in the middle of a value");
    const auto* at = reinterpret_cast<const unsigned char*>(data_);
    data_ += n;
    left_ -= n;
    return at;
}

std::uint8_t ByteReader::u8()
{
    return *take(1);
}

std::uint32_t ByteReader::u32()
{
    return u32At(take(4));
}

std::uint64_t ByteReader::u64()
{
    const std::uint64_t low = u32();
    return low | static_cast<std::uint64_t>(u32()) << 32;
}

float ByteReader::f32()
{
    const std::uint32_t bits = u32();
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double ByteReader::f64()
{
    const std::uint64_t bits = u64();
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string ByteReader::string(std::uint32_t maxLength)
{
    const std::uint32_t length = u32();
    if (length > maxLength)
        throw DataStreamError("a name of " + std::to_string(length) + " bytes is longer than " +
                              std::to_string(maxLength));
    const unsigned char* at = take(length);
    return std::string(reinterpret_cast<const char*>(at), length);
}

std::uint32_t ByteReader::count(std::size_t elementSize)
{
    const std::uint32_t n = u32();
    if (static_cast<std::uint64_t>(n) * elementSize > left_)
        throw DataStreamError("a count of " + std::to_string(n) + " is more than the record holds");
    return n;
}

std::vector<std::uint32_t> ByteReader::u32s(std::uint32_t n)
{
    const unsigned char* at = take(4 * static_cast<std::size_t>(n));
    std::vector<std::uint32_t> values(n);
    for (std::uint32_t i = 0; i < n; ++i)
        values[i] = u32At(at + 4 * static_cast<std::size_t>(i));
    return values;
}

std::vector<float> ByteReader::f32s(std::uint32_t n)
{
    const unsigned char* at = take(4 * static_cast<std::size_t>(n));
    std::vector<float> values(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint32_t bits = u32At(at + 4 * static_cast<std::size_t>(i));
        std::memcpy(&values[i], &bits, sizeof bits);
    }
    return values;
}

}  // namespace zorhost
