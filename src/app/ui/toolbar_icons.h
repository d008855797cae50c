// The main toolbar's pictures, drawn at the size asked for rather than looked up in the desktop's
// icon theme: the theme search and the decoding of its files made a good part of the time before
// the main window could appear.
#pragma once

#include <QIcon>
#include <string_view>

namespace kv {

// The picture of the toolbar button with this key; a null icon for a key without one.
QIcon ToolbarIcon(std::string_view key);

}  // namespace kv
