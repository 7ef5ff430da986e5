// What became of the movies a user action exported, in words for the status
// line. Made before the action, it notes the host's export counts; after
// it, outcome() says where a finished movie was written, with its frame
// count, picture size and file size, or that a cancelled one left nothing.
#ifndef ZORHOST_MOVIE_REPORT_H
#define ZORHOST_MOVIE_REPORT_H

#include <QString>

namespace zorsim {
class Host;
}

namespace zorhost {

class MovieReport {
public:
    explicit MovieReport(const zorsim::Host& host);

    // Empty when no movie was finished or cancelled since.
    QString outcome() const;

private:
    const zorsim::Host& host_;
    int completions_;
    int cancels_;
};

}  // namespace zorhost

#endif
