// Error messages, message boxes and help calls. Questions are answered from
// a queue that a test fills; an unanswered one is counted and answered "no".
// A front end that asks a person (zorhost's window) answers through
// `askQuestion` instead.
#ifndef ZORSIM_MESSAGE_MODEL_H
#define ZORSIM_MESSAGE_MODEL_H

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zorsim {

struct MessageBox {
    std::string text;
    int kind;
};

class MessageModel {
public:
    void showError(const std::string& text);
    bool showMessageBox(const std::string& text, int kind);
    void showHelp(const std::string& path);

    // Answers for the next questions (true: yes), in order.
    void answerQuestion(bool yes) { questionAnswers_.push_back(yes); }
    // zorhost answers every question yes instead of using the queue.
    void setAnswerAllQuestionsYes(bool yes) { answerAllYes_ = yes; }

    const std::vector<std::string>& errors() const { return errors_; }
    const std::vector<MessageBox>& messageBoxes() const { return messageBoxes_; }
    const std::vector<std::string>& helpPages() const { return helpPages_; }
    int unansweredQuestions() const { return unansweredQuestions_; }

    // Told of every error and message box (zorhost prints them).
    std::function<void(const std::string& text, int kind)> onMessage;
    // Told of every help page asked for (zorhost's window shows it).
    std::function<void(const std::string& path)> onHelp;
    // When set, answers every question (true: yes) after onMessage heard it.
    std::function<bool(const std::string& text)> askQuestion;

private:
    std::vector<std::string> errors_;
    std::vector<MessageBox> messageBoxes_;
    std::vector<std::string> helpPages_;
    std::deque<bool> questionAnswers_;
    bool answerAllYes_ = false;
    int unansweredQuestions_ = 0;
};

}  // namespace zorsim

#endif
