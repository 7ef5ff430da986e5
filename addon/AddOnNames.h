// Fixed texts under which the add-on presents itself to the host, and the
// constant texts of its settings files. All exist from load time on.
#ifndef KFA_ADDON_ADDON_NAMES_H
#define KFA_ADDON_ADDON_NAMES_H

// The add-on's name at registration and the name its macro commands go by.
extern const char* const AddOnName;

// The first line of every settings file.
extern const char* const KeyFrameFileHeader;

// The extension a settings file name gets when it has none.
extern const char* const KeyFrameFileExtension;

#endif
