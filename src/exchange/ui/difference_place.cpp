// Opening the window at a line's place.
#include "exchange/ui/difference_place.h"

#include <QString>

#include "app/main_window_tables.h"
#include "editors/channels/grid_rows.h"
#include "exchange/channel_export.h"
#include "gui/open_place.h"

namespace kv {
namespace {

// The editor window that shows a difference; nullptr for data no window shows.
const char* WindowOf(DiffArea area) {
    switch (area) {
        case DiffArea::Channel:
        case DiffArea::CbMemory:
        case DiffArea::Group:
            return kChannelWindow;
        case DiffArea::GroupName:
            return kGroupNameWindow;
        case DiffArea::Setting:
            return kSettingsWindow;
        case DiffArea::RogerBeep:
            return kRogerBeepWindow;
        case DiffArea::Dtmf:
            return kDtmfWindow;
        case DiffArea::Weather:
            return kWeatherWindow;
        case DiffArea::Emergency:
            return kEmergencyWindow;
        case DiffArea::DualWatch:
            return kDualWatchWindow;
        case DiffArea::MemoryKey:
            return kMemoryKeyWindow;
        case DiffArea::Hidden:
            break;
    }
    return nullptr;
}

struct GridPlace {
    int Band = -1;
    int Group = -1;
    int Row = 0;  // 0: the group only
};

// Where the channel window shows a difference: a channel's row is its number, a CB memory's row
// follows the channel rows of the group whose block holds it.
GridPlace PlaceOf(const Difference& difference, const RadioData& data) {
    switch (difference.Area) {
        case DiffArea::Channel:
            return {difference.Band, difference.Group, difference.ChNo};
        case DiffArea::CbMemory: {
            const int n = difference.ChNo;
            const int group = CbMemoryGroup(data.Store.cbMem(n), n);
            return {kBandCb, group,
                    GridShapeFor(kBandCb, group).channelRows + (n - 1) % kCbMemoriesPerBlock + 1};
        }
        case DiffArea::Group:
            return {difference.Band, difference.Group, 0};
        default:
            return {};
    }
}

}  // namespace

void OpenDifferencePlace(EditorHost& host, const RadioData& data, const Difference& place) {
    const char* window = WindowOf(place.Area);
    if (window == nullptr) return;
    const GridPlace grid = PlaceOf(place, data);
    OpenPlace(host, QString::fromLatin1(window), grid.Band, grid.Group, grid.Row);
}

}  // namespace kv
