// Qt widgets remember things between runs in the user's configuration (the
// file dialog its folders and history). zorhost's window keeps them for one
// run only: while this object lives they go to a temporary folder, which is
// removed with it, so a run leaves nothing behind and the next one starts
// as fresh as the first.
//
//   SessionSettings settings;   // before the first widget
//   QApplication application(...);
#ifndef ZORHOST_SESSION_SETTINGS_H
#define ZORHOST_SESSION_SETTINGS_H

#include <QTemporaryDir>

namespace zorhost {

class SessionSettings {
public:
    SessionSettings();
    SessionSettings(const SessionSettings&) = delete;
    SessionSettings& operator=(const SessionSettings&) = delete;

private:
    QTemporaryDir folder_;
};

}  // namespace zorhost

#endif
