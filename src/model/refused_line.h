// A line of pasted or imported text that was not stored, and why.
#pragma once

#include "model/text_pair.h"

namespace kv {

struct RefusedLine {
    int Line = 0;  // counted from 1
    TextPair Reason;
};

}  // namespace kv
