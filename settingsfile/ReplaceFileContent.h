// Replaces a file's content so that a failure never costs the old content.
#ifndef KFA_SETTINGSFILE_REPLACE_FILE_CONTENT_H
#define KFA_SETTINGSFILE_REPLACE_FILE_CONTENT_H

#include <string>

// Writes `content` to a new file beside `fileName`, checks every write, the
// flush to the disk and the close, then renames it over `fileName`: the name
// stands for the complete old file or the complete new one, never for a
// part. A symbolic link is followed, and the new file gets the old one's
// permissions.
//
// Raises KeyFrameError with "Unable to open file for writing." when the
// name may not be written (a folder, a file without write permission) or no
// file can be created beside it, and with "Unable to write file." when a
// write, the flush, the close or the rename fails. Either way the old file
// is left as it was and the new file is removed. When only the folder
// cannot be synchronised, the new content is in place and the error says so:
// "The file was saved, but its folder could not be synchronized to the disk:
// the save may not survive a crash."
void replaceFileContent(const std::string& fileName, const std::string& content);

#endif
