#include "zorsim/FileDialogModel.h"

namespace zorsim {

std::optional<std::string> FileDialogModel::run(const FileDialogRequest& request)
{
    requests_.push_back(request);
    if (onRun)
        return onRun(request);
    if (answers_.empty()) {
        ++unanswered_;
        return std::nullopt;
    }
    std::optional<std::string> answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

}  // namespace zorsim
