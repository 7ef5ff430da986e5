// What Qt widgets and zorhost's window remember between runs (the file
// dialogs' folders, the windows' places) lives in the user's configuration
// folder. While this object lives it goes to a temporary folder instead,
// removed with it, so a run leaves nothing behind and starts as fresh as
// the first: the screenshots and benchmarks need that.
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

    // The configuration folder is `folder` from now on, for this process
    // and for the programs it starts (XDG_CONFIG_HOME).
    static void moveTo(const QString& folder);

private:
    QTemporaryDir folder_;
};

}  // namespace zorhost

#endif
