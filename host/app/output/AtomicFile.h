// An output file that is written under a temporary name beside its target
// and replaces the target only when it is complete.
//
//   AtomicFile log("log.csv", "frame log");  // throws OutputFileError
//   log.stream() << ...;                     // write failures are kept
//   log.commit();                            // throws OutputFileError
//   // dropped without commit: the temporary file goes, the target stays
//
// The rename leaves the target naming the old content or the new one,
// never neither and never a part; the file is synchronised to the disk
// before the rename and its folder after, so that the rename survives a
// crash. A target that exists and is no regular file (a device such as
// /dev/null, a pipe) is written directly, and a name that stands for an
// open file (/dev/stdout, /dev/fd/N) is written through that file: neither
// is a file of the user's to replace. A symbolic link is followed: the file it names is
// replaced. The temporary file is ".NAME.XXXXXX.partial" in the target's
// folder, NAME shortened when the whole would be too long, and a signal
// that ends zorhost removes it.
#ifndef ZORHOST_ATOMIC_FILE_H
#define ZORHOST_ATOMIC_FILE_H

#include <array>
#include <ostream>
#include <stdexcept>
#include <streambuf>
#include <string>

namespace zorhost {

// A complete message: "cannot create the frame log log.csv: reason".
class OutputFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class AtomicFile {
public:
    // `what` names the output in messages ("frame log"). Throws
    // OutputFileError "cannot create the WHAT PATH: reason" when the target
    // is a folder or no temporary file can be made beside it.
    AtomicFile(const std::string& path, const std::string& what);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    std::ostream& stream() { return stream_; }
    // Completes the file and puts it in the target's place. Throws
    // OutputFileError "cannot write the WHAT PATH: reason" when a write, the
    // synchronisation, the close or the rename failed; the target is then
    // as it was and no temporary file is left.
    void commit();

private:
    // Writes to the file in large pieces and keeps the first failure.
    class Buffer : public std::streambuf {
    public:
        Buffer() { setp(bytes_.data(), bytes_.data() + bytes_.size()); }
        void attach(int file) { file_ = file; }
        // The errno of the first write that failed; 0 while every one went.
        int error() const { return error_; }

    protected:
        int overflow(int c) override;
        int sync() override;

    private:
        bool drain();

        std::array<char, 65536> bytes_{};
        int file_ = -1;
        int error_ = 0;
    };

    [[noreturn]] void fail(const std::string& verb, const std::string& reason);
    void createTemporary();
    void replaceTarget();
    void discard();

    std::string path_;
    std::string what_;
    // The file the content replaces: the target, or what its link names.
    std::string target_;
    // Empty when the target is written directly.
    std::string temporary_;
    int file_ = -1;
    int partialSlot_ = -1;
    Buffer buffer_;
    std::ostream stream_{&buffer_};
};

}  // namespace zorhost

#endif
