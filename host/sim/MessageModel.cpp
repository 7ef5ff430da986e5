#include "zorsim/MessageModel.h"

#include "ZorTypes.h"

namespace zorsim {

void MessageModel::showError(const std::string& text)
{
    errors_.push_back(text);
    if (onMessage)
        onMessage(text, ZOR_MESSAGE_ERROR);
}

void MessageModel::showHelp(const std::string& path)
{
    helpPages_.push_back(path);
    if (onHelp)
        onHelp(path);
}

bool MessageModel::showMessageBox(const std::string& text, int kind)
{
    messageBoxes_.push_back({text, kind});
    if (onMessage)
        onMessage(text, kind);
    if (kind != ZOR_MESSAGE_QUESTION)
        return true;
    if (askQuestion)
        return askQuestion(text);
    if (answerAllYes_)
        return true;
    if (questionAnswers_.empty()) {
        ++unansweredQuestions_;
        return false;
    }
    const bool yes = questionAnswers_.front();
    questionAnswers_.pop_front();
    return yes;
}

}  // namespace zorsim
