// Plays host macro commands against the host model: frames, the sample
// data and data files, style values, the view, the solution time, redraws, export settings
// and the add-ons' own commands. The host goes idle after every command.
#ifndef ZORHOST_MACRO_PLAYER_H
#define ZORHOST_MACRO_PLAYER_H

#include <string>
#include <vector>

#include "macro/MacroLanguage.h"
#include "player/FrameDataStore.h"

namespace zorsim {
class Host;
}

namespace zorhost {

class MacroPlayer {
public:
    MacroPlayer(zorsim::Host& host, FrameDataStore& frameData) : host_(host), frameData_(frameData) {}

    // Plays `commands` in order; throws MacroError at the line of the first
    // command that failed, with the host's error text (for an add-on
    // command, the text its callback returned), and plays nothing after it.
    void play(const std::vector<MacroCommand>& commands);
    // Plays one command checked by the grammar; throws MacroError.
    void play(const MacroCommand& command);

private:
    void playCommand(const MacroCommand& command);
    void readDataSet(const MacroCommand& command);
    void setStyle(const MacroCommand& command);
    void setExport(const MacroCommand& command);
    void playAddOnCommand(const MacroCommand& command);
    void record(const MacroCommand& command);

    zorsim::Host& host_;
    FrameDataStore& frameData_;
};

// The command as one macro line, in the form the reader reads back.
std::string macroLineOf(const MacroCommand& command);

}  // namespace zorhost

#endif
