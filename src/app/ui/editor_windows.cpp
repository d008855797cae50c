// The catalogue of editor windows: one registration per window, each under the object name the
// main window's menus and tree open it by (see main_window_tables.h). A menu item or tree node
// whose window is not registered opens nothing.
#include "app/main_window_tables.h"
#include "editors/channels/ui/channel_window.h"
#include "editors/channels/ui/group_name_window.h"
#include "editors/settings/ui/settings_window.h"
#include "editors/blocks/ui/block_window.h"
#include "editors/blocks/ui/weather_window.h"
#include "editors/tones/ui/dtmf_window.h"
#include "editors/tones/ui/roger_beep_window.h"
#include "gui/window_registry.h"

namespace kv {

void RegisterEditorWindows(WindowRegistry& registry) {
    registry.Register(kSettingsWindow, &CreateSettingsWindow);
    registry.Register(kEmergencyWindow, CreateEmergencyWindow);
    registry.Register(kDualWatchWindow, CreateDualWatchWindow);
    registry.Register(kMemoryKeyWindow, CreateMemoryKeyWindow);
    registry.Register(kWeatherWindow, CreateWeatherWindow);
    registry.Register(kRogerBeepWindow, CreateRogerBeepWindow);
    registry.Register(kDtmfWindow, CreateDtmfWindow);
    registry.Register(kChannelWindow, CreateChannelWindow);
    registry.Register(kGroupNameWindow, CreateGroupNameWindow);
}

}  // namespace kv
