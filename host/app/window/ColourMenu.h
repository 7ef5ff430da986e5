// Plot > Colour By: Height and the variables of the current frame's data
// file (greyed without one), the one that colours it checked. A choice is
// run through the window's act(), sets what COLORBY sets when a file is
// read, and redraws at once.
#ifndef ZORHOST_COLOUR_MENU_H
#define ZORHOST_COLOUR_MENU_H

#include <functional>

class QMenu;

namespace zorsim {
class Host;
}

namespace zorhost {

class FrameDataStore;

class ColourMenu {
public:
    using Actor = std::function<void(std::function<void()>)>;

    // Adds the submenu to `plotMenu`; it lives as long as that does.
    ColourMenu(QMenu& plotMenu, zorsim::Host& host, FrameDataStore& frameData, Actor act);
    ColourMenu(const ColourMenu&) = delete;
    ColourMenu& operator=(const ColourMenu&) = delete;

private:
    // Lists the current frame's variables.
    void update();
    void colourBy(int variable);

    zorsim::Host& host_;
    FrameDataStore& frameData_;
    Actor act_;
    QMenu* colourBy_;
};

}  // namespace zorhost

#endif
