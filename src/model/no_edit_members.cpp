// The members of the configuration record that are no edit.
#include "model/no_edit_members.h"

#include <memory>

namespace kv {

void CopyNoEditMembers(const ConfigRecord& from, ConfigRecord& to, NoEditMembers which) {
    to.CurrentGroup = from.CurrentGroup;
    to.GroupCurrentChannel = from.GroupCurrentChannel;
    if (which == NoEditMembers::Positions) return;
    to.Identity = from.Identity;
    to.FileVersion = from.FileVersion;
}

void ClearPositions(ConfigRecord& config) {
    CopyNoEditMembers(*std::make_unique<ConfigRecord>(), config, NoEditMembers::Positions);
}

}  // namespace kv
