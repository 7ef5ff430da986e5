// How the window's data file is coloured, in the View menu: "Colour By",
// listing Height and the variables of the current frame's data file (greyed
// without one), and "Colour Legend", which shows or hides the legend (the
// style value COLORLEGEND SHOW). Each choice is run through the window's
// act() and redraws at once; a choice of variable sets what COLORBY sets
// when a file is read.
#ifndef ZORHOST_COLOUR_MENU_H
#define ZORHOST_COLOUR_MENU_H

#include <functional>

class QAction;
class QMenu;

namespace zorsim {
class Host;
}

namespace zorhost {

class FrameDataStore;

class ColourMenu {
public:
    using Actor = std::function<void(std::function<void()>)>;

    // Adds the entries to `viewMenu`; they live as long as it does.
    ColourMenu(QMenu& viewMenu, zorsim::Host& host, FrameDataStore& frameData, Actor act);
    ColourMenu(const ColourMenu&) = delete;
    ColourMenu& operator=(const ColourMenu&) = delete;

private:
    // Brings the entries up to the current frame's data and style.
    void update();
    void colourBy(int variable);
    void showLegend(bool show);

    zorsim::Host& host_;
    FrameDataStore& frameData_;
    Actor act_;
    QMenu* colourBy_;
    QAction* legend_;
};

}  // namespace zorhost

#endif
