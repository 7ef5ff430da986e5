#include "datastream/StreamFraming.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "datastream/ByteCodec.h"
#include "datastream/ZoneRecord.h"

namespace zorhost {

DataStreamWriter::DataStreamWriter(int fd) : fd_(fd)
{
    ByteWriter header;
    for (char c : dataStreamMagic)
        header.u8(static_cast<std::uint8_t>(c));
    header.u32(dataStreamVersion);
    write(header.bytes().data(), header.bytes().size());
}

void DataStreamWriter::progress(int percent)
{
    ByteWriter payload;
    payload.u32(static_cast<std::uint32_t>(percent));
    record(RecordType::Progress, payload.bytes());
}

void DataStreamWriter::times(const std::vector<double>& times)
{
    ByteWriter payload;
    payload.u32(static_cast<std::uint32_t>(times.size()));
    for (double time : times)
        payload.f64(time);
    record(RecordType::Times, payload.bytes());
}

void DataStreamWriter::variable(std::uint32_t id, VariableKind kind, const std::string& name)
{
    ByteWriter payload;
    payload.u32(id);
    payload.u8(static_cast<std::uint8_t>(kind));
    payload.string(name);
    record(RecordType::Variable, payload.bytes());
}

void DataStreamWriter::zone(const ZoneData& zone)
{
    record(RecordType::Zone, encodeZone(zone));
}

void DataStreamWriter::end()
{
    record(RecordType::End, "");
}

void DataStreamWriter::refusal(const std::string& reason)
{
    ByteWriter payload;
    payload.string(reason);
    record(RecordType::Refusal, payload.bytes());
}

void DataStreamWriter::record(RecordType type, const std::string& payload)
{
    ByteWriter header;
    header.u32(static_cast<std::uint32_t>(type));
    header.u64(payload.size());
    write(header.bytes().data(), header.bytes().size());
    write(payload.data(), payload.size());
}

void DataStreamWriter::write(const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw std::runtime_error(std::string("cannot hand the data over: ") + std::strerror(errno));
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

void DataStreamSplitter::append(const char* data, std::size_t size)
{
    // Drop what was taken before growing, so that the buffer holds about one
    // record at a time.
    if (start_ > 0 && start_ >= buffer_.size() / 2) {
        buffer_.erase(0, start_);
        start_ = 0;
    }
    buffer_.append(data, size);
}

void DataStreamSplitter::finish() const
{
    const std::size_t begun = std::min(pending(), sizeof dataStreamMagic);
    if (!headerSeen_ && buffer_.compare(start_, begun, dataStreamMagic, begun) != 0)
        throw DataStreamError("it does not begin as the reader's data does");
    if (pending() > 0)
        throw DataStreamError("it ends in the middle of a record");
}

std::optional<DataRecord> DataStreamSplitter::next()
{
    if (!headerSeen_) {
        if (pending() < dataStreamHeaderSize)
            return std::nullopt;
        if (buffer_.compare(start_, sizeof dataStreamMagic, dataStreamMagic, sizeof dataStreamMagic) != 0)
            throw DataStreamError("it does not begin as the reader's data does");
        ByteReader header(buffer_.data() + start_ + sizeof dataStreamMagic, 4);
        const std::uint32_t version = header.u32();
        if (version != dataStreamVersion)
            throw DataStreamError("version " + std::to_string(version) + " of the data, not " +
                                  std::to_string(dataStreamVersion));
        start_ += dataStreamHeaderSize;
        headerSeen_ = true;
    }
    if (pending() < recordHeaderSize)
        return std::nullopt;
    ByteReader header(buffer_.data() + start_, recordHeaderSize);
    const std::uint32_t type = header.u32();
    const std::uint64_t length = header.u64();
    if (type < static_cast<std::uint32_t>(RecordType::Progress) ||
        type > static_cast<std::uint32_t>(RecordType::Refusal))
        throw DataStreamError("a record of unknown type " + std::to_string(type));
    if (length > maxRecordBytes_)
        throw DataStreamError("a record of " + std::to_string(length) + " bytes, more than the " +
                              std::to_string(maxRecordBytes_) + " allowed");
    if (pending() - recordHeaderSize < length)
        return std::nullopt;
    DataRecord record{static_cast<RecordType>(type), buffer_.substr(start_ + recordHeaderSize, length)};
    start_ += recordHeaderSize + length;
    return record;
}

}  // namespace zorhost
