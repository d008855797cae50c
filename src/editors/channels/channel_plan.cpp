// Reading a channel plan table and laying it over a document.
#include "editors/channels/channel_plan.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <map>
#include <set>
#include <tuple>
#include <utility>

#include "editors/channels/channel_edit.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/group_references.h"

namespace kv {
namespace {

constexpr std::array<std::string_view, kBandCount> kBandNames = {"CB", "HF", "HAM"};
std::string_view Trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(Trim(line.substr(start, comma - start)));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

bool ParseInt(std::string_view text, int& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// Two integer digits, a point and six decimals: the stored form then holds eight digits.
bool IsSixDecimalMhz(std::string_view text) {
    if (text.size() != 9 || text[2] != '.') return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != 2 && !std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

bool IsGroupName(std::string_view name) {
    return !name.empty() && name.size() <= 2 &&
           std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c < 127; });
}

// Channel numbers 1..40 are a named group's normal channels; CB group 3 has 80.
int NormalChannels(int band, int group) {
    return std::min(SlotCapacity(band, group), band == kBandCb ? 80 : kLastNormalChannel);
}

std::string RowError(int line, const std::string& what) {
    return "line " + std::to_string(line) + ": " + what;
}

// Fills row from the fields of one line, or says what is wrong with them.
std::string ReadRow(const std::vector<std::string_view>& fields, ChannelPlanRow& row) {
    if (fields.size() != 5) return "expected 5 fields, found " + std::to_string(fields.size());
    const auto band = std::find(kBandNames.begin(), kBandNames.end(), fields[0]);
    if (band == kBandNames.end()) return "unknown band \"" + std::string(fields[0]) + "\"";
    row.band = static_cast<int>(band - kBandNames.begin());
    if (!ParseInt(fields[1], row.group) || row.group < 1 ||
        row.group > kRegularGroupsPerBand[row.band])
        return "no named group \"" + std::string(fields[1]) + "\" in " + std::string(*band);
    if (!IsGroupName(fields[2]))
        return "group name \"" + std::string(fields[2]) + "\" is not one or two characters";
    row.groupName = fields[2];
    if (!ParseInt(fields[3], row.chNo) || row.chNo < 1 ||
        row.chNo > NormalChannels(row.band, row.group))
        return "channel \"" + std::string(fields[3]) + "\" is not a channel of the group";
    if (!IsSixDecimalMhz(fields[4]))
        return "frequency \"" + std::string(fields[4]) + "\" is not written as dd.dddddd MHz";
    row.freqText = fields[4];
    return {};
}

}  // namespace

ChannelPlan ParseChannelPlan(std::string_view csv) {
    ChannelPlan plan;
    std::set<std::tuple<int, int, int>> seenChannels;
    std::map<std::pair<int, int>, std::string> groupNames;
    bool headerSeen = false;
    int lineNumber = 0;
    for (std::size_t start = 0; start < csv.size();) {
        const std::size_t end = std::min(csv.find('\n', start), csv.size());
        const std::string_view line = Trim(csv.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        if (!headerSeen) {
            if (line != kChannelPlanHeader)
                return {
                    {},
                    RowError(lineNumber, "expected the header " + std::string(kChannelPlanHeader))};
            headerSeen = true;
            continue;
        }
        ChannelPlanRow row;
        row.line = lineNumber;
        if (std::string error = ReadRow(SplitFields(line), row); !error.empty())
            return {{}, RowError(lineNumber, error)};
        if (!seenChannels.emplace(row.band, row.group, row.chNo).second)
            return {{}, RowError(lineNumber, "channel listed twice in its group")};
        const auto [name, added] =
            groupNames.emplace(std::pair(row.band, row.group), row.groupName);
        if (!added && name->second != row.groupName)
            return {{},
                    RowError(lineNumber, "the group was named \"" + name->second + "\" before")};
        plan.rows.push_back(std::move(row));
    }
    if (!headerSeen) return {{}, "the table is empty"};
    return plan;
}

std::string ApplyChannelPlan(Document& doc, const ChannelPlan& plan) {
    std::set<std::pair<int, int>> groups;
    RadioSettings& s = doc.settings();
    for (const ChannelPlanRow& row : plan.rows) {
        if (groups.emplace(row.band, row.group).second) {
            // A group named as it already is keeps its stored bytes.
            if (s.GroupName(row.band, row.group).trimmed() != row.groupName)
                s.GroupName(row.band, row.group).assign(row.groupName);
            s.GroupValid(row.band, row.group) = 1;
        }
        if (!AddChannel(doc, row.chNo, row.band, row.group, row.freqText))
            return RowError(row.line, "the group has no free slot");
    }
    for (const auto& [band, group] : groups) RevalidateGroupReferences(doc, band, group);
    return {};
}

}  // namespace kv
