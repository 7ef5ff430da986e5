#include "addon/AddOnId.h"

ZorAddOnId AddOnId = 0;
