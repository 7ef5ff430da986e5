// The host's file dialog. Every run is recorded with what the add-on passed
// (the dialog option, the file type name, the proposed name and the filter)
// and answered from a queue that a test fills: a name is chosen, nothing is
// a cancel. A run with an empty queue is counted and cancelled. A front end
// that shows the dialog to a person (zorhost's window) answers through
// `onRun` instead, and the queue is not used.
//
// The chosen name reaches the add-on as a string from HandedOutMemory, so a
// name the add-on does not free, or frees twice, shows there.
#ifndef ZORSIM_FILE_DIALOG_MODEL_H
#define ZORSIM_FILE_DIALOG_MODEL_H

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorsim {

struct FileDialogRequest {
    int option;
    std::string fileTypeName;
    std::string proposedName;
    std::string filter;
};

class FileDialogModel {
public:
    // The chosen name, or nothing when the user cancelled.
    std::optional<std::string> run(const FileDialogRequest& request);

    // The answers of the next runs, in order.
    void answerWith(const std::string& chosenName) { answers_.emplace_back(chosenName); }
    void answerCancel() { answers_.emplace_back(std::nullopt); }

    const std::vector<FileDialogRequest>& requests() const { return requests_; }
    int unanswered() const { return unanswered_; }

    // When set, answers every run: the chosen name, or nothing for a cancel.
    std::function<std::optional<std::string>(const FileDialogRequest&)> onRun;

private:
    std::vector<FileDialogRequest> requests_;
    std::deque<std::optional<std::string>> answers_;
    int unanswered_ = 0;
};

}  // namespace zorsim

#endif
