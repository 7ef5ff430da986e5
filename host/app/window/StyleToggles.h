// Menu entries that switch Boolean style values of the host on and off: each
// is checked while its value is on, and picking it plays the $!STYLE line
// that switches the value (so a macro being recorded records it).
#ifndef ZORHOST_STYLE_TOGGLES_H
#define ZORHOST_STYLE_TOGGLES_H

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace zorsim {
class StyleModel;
}

namespace zorhost {

class StyleToggles {
public:
    // Plays one macro line as the user's action.
    using Player = std::function<void(const std::string& line)>;

    StyleToggles(const zorsim::StyleModel& styles, Player play) : styles_(styles), play_(std::move(play)) {}

    // An entry in `menu` for the value at `path` ("STREAMATTRIBUTES ...").
    QAction* add(QMenu& menu, const QString& label, const std::string& path);
    // Checks each entry as its value is now.
    void refresh();

private:
    struct Toggle {
        QAction* action;
        std::string path;
    };

    const zorsim::StyleModel& styles_;
    Player play_;
    std::vector<Toggle> toggles_;
};

}  // namespace zorhost

#endif
