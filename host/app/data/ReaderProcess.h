// One run of the reading helper: started with the file's name, its data
// read from a pipe, its error stream's last lines kept, its end told in
// words. A scope object: a helper still running when the object goes is
// killed and waited for, so that no reading outlives its caller.
//
//   ReaderProcess reader(program, file, memoryLimit);
//   std::string data;
//   while (reader.pump(100, data)) { ... use data, data.clear() ... }
//   const ProcessEnd end = reader.end();
#ifndef ZORHOST_READER_PROCESS_H
#define ZORHOST_READER_PROCESS_H

#include <sys/types.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zorhost {

// How the helper ended: its exit status, or the signal that ended it.
struct ProcessEnd {
    bool signalled = false;
    int code = 0;
};

// "ended with exit status 3", "stopped with a segmentation fault".
std::string describeEnd(const ProcessEnd& end);

class ReaderProcess {
public:
    // Starts `program` with `file` as its argument, its address space
    // limited to `memoryBytes` (0: no limit). Throws std::runtime_error when
    // it cannot be started.
    ReaderProcess(const std::string& program, const std::string& file, std::uint64_t memoryBytes);
    ~ReaderProcess();
    ReaderProcess(const ReaderProcess&) = delete;
    ReaderProcess& operator=(const ReaderProcess&) = delete;

    // Waits up to `milliseconds` for the helper's output and appends what
    // came of its data to `data`. False once its data has ended and the
    // helper with it; a helper that closed its data but goes on running
    // keeps it true until it ends or is killed.
    bool pump(int milliseconds, std::string& data);
    // Ends the helper at once; pump() then soon returns false.
    void kill();
    // How the helper ended, once pump() returned false.
    const ProcessEnd& end() const { return end_; }
    // The last line the helper wrote to its error stream; empty when none.
    std::string lastErrorLine() const;

private:
    void readInto(int& fd, std::string& into, bool keepTail);
    void reap(int options);

    pid_t child_ = -1;
    int data_ = -1;
    int errors_ = -1;
    std::string errorTail_;
    ProcessEnd end_;
};

}  // namespace zorhost

#endif
