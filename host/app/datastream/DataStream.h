// The stream in which the reading helper (zorhost-read) hands a data file's
// contents to the host over a pipe. Little-endian throughout:
//
//   header   8 bytes "ZORREAD\n", then u32 version (1)
//   records  u32 type, u64 payload length, the payload
//
//   Progress  u32 percent done, 0 to 100
//   Times     u32 n, then n f64: the file's solution times; n = 0 for
//             static data. Comes before any zone.
//   Variable  u32 id (0, 1, 2, ... in order), u8 kind (0 point, 1 cell),
//             string name. Declared before a zone uses it.
//   Zone      one zone of one step (see ZoneRecord.h)
//   End       empty: everything was sent
//   Refusal   string: why the file cannot be read
//
// A string is a u32 length and that many bytes. The host checks every
// length and count against what the record holds before it allocates.
#ifndef ZORHOST_DATA_STREAM_H
#define ZORHOST_DATA_STREAM_H

#include <cstdint>
#include <stdexcept>

namespace zorhost {

constexpr char dataStreamMagic[8] = {'Z', 'O', 'R', 'R', 'E', 'A', 'D', '\n'};
constexpr std::uint32_t dataStreamVersion = 1;
constexpr std::size_t dataStreamHeaderSize = 12;
constexpr std::size_t recordHeaderSize = 12;

enum class RecordType : std::uint32_t { Progress = 1, Times = 2, Variable = 3, Zone = 4, End = 5, Refusal = 6 };

enum class VariableKind : std::uint8_t { Point = 0, Cell = 1 };

// The stream breaks its rules: what was received cannot be trusted.
class DataStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace zorhost

#endif
