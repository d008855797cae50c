// Opening an editor window at a place: the window is opened (or brought to the front) and, for
// the channel window, the band, group and row are shown. The lists that lead to places (compare,
// find, the band map's flags) all go through here.
#pragma once

#include <QString>

namespace kv {

class EditorHost;

// Opens the editor window `window` and brings the main window to the front. With a band of 0 or
// more the window is asked to show that band's group and row (0: the group only) through its
// ShowChannel operation. False when no such window could be opened.
bool OpenPlace(EditorHost& host, const QString& window, int band = -1, int group = -1, int row = 0);

}  // namespace kv
