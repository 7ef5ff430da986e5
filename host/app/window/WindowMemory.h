// What the window remembers between runs, as a desktop program does: the
// places and sizes of the main window and of the add-ons' dialogs, the
// folders last used in file dialogs, and the View menu's choices. They are
// kept through QSettings in the user's configuration folder
// ($XDG_CONFIG_HOME/zorhost/window.conf); SessionSettings moves that folder.
#ifndef ZORHOST_WINDOW_MEMORY_H
#define ZORHOST_WINDOW_MEMORY_H

#include <QString>

class QWidget;

namespace zorhost {

namespace windowMemory {

// Gives `widget` the place and size it had when saved under `key`; false
// (nothing changed) when none was saved.
bool restorePlace(QWidget& widget, const QString& key);
void savePlace(const QWidget& widget, const QString& key);

// The folder of the file last chosen in a file dialog for files of `kind`;
// empty when there was none.
QString folder(const QString& kind);
void setFolder(const QString& kind, const QString& folder);

bool flag(const QString& key, bool fallback);
void setFlag(const QString& key, bool on);

}  // namespace windowMemory

}  // namespace zorhost

#endif
