#include "addon/SuspendDisplayLists.h"

SuspendDisplayLists::SuspendDisplayLists() : style_(StringList{"INTERFACE", "USEDISPLAYLISTS"})
{
    bool current = false;
    if (StyleValue::returnCodeOk(style_.get(current)))
        saved_ = current;
    style_.set(false, StringList());
}

SuspendDisplayLists::~SuspendDisplayLists()
{
    style_.set(saved_, StringList());
}
