// The desktop's system information program, when one is installed.
#pragma once

#include <QString>

namespace kv {

// The full path of the first system information program found on the search path; empty when
// none is installed.
QString FindSystemInfoTool();

}  // namespace kv
