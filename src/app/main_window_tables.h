// The main window's menus, toolbar buttons and tree nodes, each held once: the window builds
// itself from these rows and refreshes every caption from them when the language changes.
#pragma once

#include <span>
#include <string>

#include "model/text_pair.h"

namespace kv {

enum class MenuRow { TopMenu, Item, Separator };

struct MenuItemRow {
    MenuRow Kind;
    const char* Name;  // object name; separators are named too so a test can find them
    TextPair Caption;
    bool Shown;
    const char* Shortcut;  // portable key sequence text; empty when the item has none
    bool Checkable;        // the View items carry a check mark, checked at start
};

// Every menu and menu item in order: a TopMenu row opens a menu, the rows after it are its items.
std::span<const MenuItemRow> MainMenuRows();

// The row named `name`; nullptr when there is none.
const MenuItemRow* FindMenuRow(std::string_view name);

enum class ToolbarRow { Button, Separator };

struct ToolbarButtonRow {
    ToolbarRow Kind;
    const char* Key;  // the button's key, also what a test looks it up by
    const char* ObjectName;
    const char* Text;  // the same in both languages
    bool Shown;
    const char* TooltipFrom;  // name of the menu item whose caption is the tooltip; may be empty
};

std::span<const ToolbarButtonRow> ToolbarRows();

struct TreeNodeRow {
    const char* Key;
    TextPair Text;  // the caption of the menu item named in CaptionFrom when that is set
    const char* CaptionFrom;
    const char* Opens;  // object name of the editor window the node opens
};

std::span<const TreeNodeRow> TreeRows();

// Editor window object names.
inline constexpr const char* kChannelWindow = "frmCommChInfo";
inline constexpr const char* kSettingsWindow = "FrmOptFeatures";
inline constexpr const char* kRogerBeepWindow = "FrmRogerBeep";
inline constexpr const char* kDtmfWindow = "FrmDTMF";
inline constexpr const char* kEmergencyWindow = "frm_emg";
inline constexpr const char* kDualWatchWindow = "frm_dw";
inline constexpr const char* kMemoryKeyWindow = "frm_MEM";
inline constexpr const char* kWeatherWindow = "FrmTVCH";
inline constexpr const char* kGroupNameWindow = "Frm_GroupName";

// A menu item's caption without its access-key marker, as a tooltip shows it: "&Open" gives
// "Open", "打开(&O)" gives "打开".
std::string CaptionWithoutAccessKey(const std::string& caption);

}  // namespace kv
