// Recognising a data file's version mark.
#include "files/version_mark.h"

#include "model/fixed_text.h"
#include "model/numeric_text.h"

namespace kv {

bool IsValidVersionMark(std::string_view text) {
    const std::string mark = TrimName(text);
    return mark.size() == 4 && mark.front() == 'V' && IsNumeric(std::string_view(mark).substr(1));
}

}  // namespace kv
