// VTK's messages while one file is read: kept instead of printed, so that
// the first error becomes the reason the helper gives for refusing a file.
// VTK reports through the output window (installed here for the life of the
// object) and, for the algorithms handed to watch(), through their error
// events.
//
//   ReaderMessages messages;
//   messages.watch(reader);
//   reader->Update();
//   if (messages.hasError()) throw ReadRefusal(messages.firstError());
#ifndef ZORHOST_READER_MESSAGES_H
#define ZORHOST_READER_MESSAGES_H

#include <stdexcept>
#include <string>

class vtkObject;

namespace zorhost {

// The file cannot be read; what() says why, for the person who chose it.
class ReadRefusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ReaderMessages {
public:
    ReaderMessages();
    ~ReaderMessages();
    ReaderMessages(const ReaderMessages&) = delete;
    ReaderMessages& operator=(const ReaderMessages&) = delete;

    // Hears `object`'s errors from now on.
    void watch(vtkObject* object);
    bool hasError() const { return !firstError_.empty(); }
    // The first error heard, without VTK's source file and object address.
    const std::string& firstError() const { return firstError_; }
    // Throws ReadRefusal with the first error, "`what`: error", if any.
    void refuseOnError(const std::string& what) const;

    // Any error text VTK produced; kept when it is the first.
    void heard(const std::string& text);

private:
    std::string firstError_;
};

}  // namespace zorhost

#endif
