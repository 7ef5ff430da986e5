// The file name behind an open or save dialog: it remembers the current
// name, the default extension and the file type name the host's dialog
// shows, runs the dialog, completes or questions the extension and asks
// before overwriting.
//
//   FileNameSelector selector("animation", "keyframe", "Key Frame Animation");
//   if (selector.selectFileName(ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE))
//       save(selector.getFileName());
#ifndef KFA_SETTINGSFILE_FILE_NAME_SELECTOR_H
#define KFA_SETTINGSFILE_FILE_NAME_SELECTOR_H

#include <string>

class FileNameSelector {
public:
    // Applies `extension` to `fileName` (see replaceExtension).
    FileNameSelector(std::string fileName, std::string extension, std::string fileTypeName);

    // True once the user accepted a name in the dialog; never false again.
    bool isConfirmed() const { return confirmed_; }
    const std::string& getFileName() const { return fileName_; }
    const std::string& getExtension() const { return extension_; }

    // A new default extension, applied to the current name at once.
    void setExtension(const std::string& extension);
    // A name that has an extension makes it the default extension; a name
    // without one gets the default extension. Does not confirm the name.
    void setFileName(const std::string& fileName);

    // Runs the host's file dialog with `dialogOption`, which is passed on
    // unchanged (ZOR_FILE_DIALOG_OPEN, or ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE,
    // which also asks before an existing file is overwritten). True when the
    // user accepted a name; it then becomes the file name, confirmed. Takes
    // the host lock.
    bool selectFileName(int dialogOption);
    // As selectFileName, but the accepted name only goes to `chosen`: a
    // name to open is confirmed once the file was read.
    bool chooseFileName(int dialogOption, std::string& chosen) const;
    // `fileName` becomes the file name, confirmed.
    void confirmFileName(const std::string& fileName);

    // The text after the last dot of the name's last path component; empty
    // when that component has no dot or ends with one.
    static std::string extensionOf(const std::string& fileName);
    // Replaces the text after the last dot of the name's last path component
    // by `extension`, or appends a dot and `extension` when it has no dot.
    static void replaceExtension(std::string& fileName, const std::string& extension);
    // True when the file can be opened for reading.
    static bool fileExists(const std::string& fileName);

private:
    // Gives a name without extension the default one; for another
    // extension than the default asks whether to keep it.
    static void confirmExtension(std::string& fileName, const std::string& defaultExtension);
    // True when the file does not exist or the user agrees to overwrite it.
    static bool confirmOverwrite(const std::string& fileName);

    bool confirmed_ = false;
    std::string fileName_;
    std::string extension_;
    std::string fileTypeName_;
};

#endif
