#include "addon/AddOnNames.h"

const char* const AddOnName = "Key Frame Animation";
const char* const KeyFrameFileHeader = "#!KeyFrame";
const char* const KeyFrameFileExtension = "keyframe";
