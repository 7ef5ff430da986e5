// Error messages, message boxes, file dialogs and help calls. Questions and
// file dialogs are answered from queues that a test fills; an unanswered one
// is counted and answered "no" or "cancel".
#ifndef ZORSIM_MESSAGE_MODEL_H
#define ZORSIM_MESSAGE_MODEL_H

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zorsim {

struct MessageBox {
    std::string text;
    int kind;
};

struct FileDialogRequest {
    int option;
    std::string fileTypeName;
    std::string proposedName;
    std::string filter;
};

class MessageModel {
public:
    void showError(const std::string& text);
    bool showMessageBox(const std::string& text, int kind);
    // The chosen name, or nothing when the user cancelled.
    std::optional<std::string> runFileDialog(const FileDialogRequest& request);
    void showHelp(const std::string& path) { helpPages_.push_back(path); }

    // Answers for the next questions (true: yes) and file dialogs (nothing:
    // cancel), in order.
    void answerQuestion(bool yes) { questionAnswers_.push_back(yes); }
    void answerFileDialog(std::optional<std::string> name) { fileAnswers_.push_back(std::move(name)); }
    // zorhost answers every question yes instead of using the queue.
    void setAnswerAllQuestionsYes(bool yes) { answerAllYes_ = yes; }

    const std::vector<std::string>& errors() const { return errors_; }
    const std::vector<MessageBox>& messageBoxes() const { return messageBoxes_; }
    const std::vector<FileDialogRequest>& fileDialogs() const { return fileDialogs_; }
    const std::vector<std::string>& helpPages() const { return helpPages_; }
    int unansweredQuestions() const { return unansweredQuestions_; }
    int unansweredFileDialogs() const { return unansweredFileDialogs_; }

    // Told of every error and message box (zorhost prints them).
    std::function<void(const std::string& text, int kind)> onMessage;

private:
    std::vector<std::string> errors_;
    std::vector<MessageBox> messageBoxes_;
    std::vector<FileDialogRequest> fileDialogs_;
    std::vector<std::string> helpPages_;
    std::deque<bool> questionAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
    bool answerAllYes_ = false;
    int unansweredQuestions_ = 0;
    int unansweredFileDialogs_ = 0;
};

}  // namespace zorsim

#endif
