// Each host API header compiles on its own: none needs another included first.
#include "ZorTypes.h"
#include "ZorUtil.h"
#include "ZorGUI.h"
#include "ArgList.h"
#include "StringList.h"
#include "StyleValue.h"
#include "StateChange.h"
