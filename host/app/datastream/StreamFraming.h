// The stream's framing: the header and the records around the payloads.
// The helper writes with DataStreamWriter; the host cuts what arrives back
// into records with DataStreamSplitter.
#ifndef ZORHOST_STREAM_FRAMING_H
#define ZORHOST_STREAM_FRAMING_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "datastream/DataStream.h"

namespace zorhost {

struct ZoneData;

// Writes the header at once, then one record a call, to a file descriptor
// (a pipe). Throws std::runtime_error when a write fails (the host went
// away).
class DataStreamWriter {
public:
    explicit DataStreamWriter(int fd);

    void progress(int percent);
    void times(const std::vector<double>& times);
    void variable(std::uint32_t id, VariableKind kind, const std::string& name);
    void zone(const ZoneData& zone);
    void end();
    void refusal(const std::string& reason);

private:
    void record(RecordType type, const std::string& payload);
    void write(const char* data, std::size_t size);

    int fd_;
};

struct DataRecord {
    RecordType type;
    std::string payload;
};

class DataStreamSplitter {
public:
    // Records longer than `maxRecordBytes` are refused before any of them
    // is kept.
    explicit DataStreamSplitter(std::uint64_t maxRecordBytes) : maxRecordBytes_(maxRecordBytes) {}

    void append(const char* data, std::size_t size);
    // The next whole record, or nothing until more bytes arrive. Throws
    // DataStreamError for a header or record header that breaks the rules.
    std::optional<DataRecord> next();
    // At the end of the data: throws DataStreamError when bytes are left
    // that make no whole record.
    void finish() const;

private:
    std::size_t pending() const { return buffer_.size() - start_; }

    std::uint64_t maxRecordBytes_;
    std::string buffer_;
    std::size_t start_ = 0;
    bool headerSeen_ = false;
};

}  // namespace zorhost

#endif
