#include "addon/KeyFrameError.h"

KeyFrameError::~KeyFrameError() = default;
