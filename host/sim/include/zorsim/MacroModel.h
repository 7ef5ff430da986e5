// Macro recording.
#ifndef ZORSIM_MACRO_MODEL_H
#define ZORSIM_MACRO_MODEL_H

#include <string>
#include <vector>

namespace zorsim {

class MacroModel {
public:
    void setRecording(bool on) { recording_ = on; }
    bool isRecording() const { return recording_; }

    // Both return false, and record nothing, while not recording.
    bool recordRaw(const std::string& command);
    // Records $!ADDONCOMMAND ADDON = "<name>" COMMAND = "<text>", with
    // double quotes and backslashes of both written as \" and \\.
    bool recordAddOnCommand(const std::string& addOnName, const std::string& command);

    const std::vector<std::string>& lines() const { return lines_; }

private:
    bool recording_ = false;
    std::vector<std::string> lines_;
};

// `text` in double quotes, with " and \ written as \" and \\.
std::string quoteMacroText(const std::string& text);

}  // namespace zorsim

#endif
