// Sorting and moving a group's channels.
#include "editors/channels/channel_order.h"

#include <algorithm>
#include <set>

#include "editors/channels/channel_list_edit.h"
#include "editors/channels/channel_renumber.h"
#include "editors/channels/channel_slots.h"
#include "editors/channels/grid_rows.h"
#include "model/stored_frequency.h"

namespace kv {
namespace {

OrderOutcome Refused(TextPair why) {
    OrderOutcome outcome;
    outcome.Message = std::move(why);
    return outcome;
}

// Why the group's numbers cannot be reordered, or nothing when they can.
std::optional<TextPair> OrderRefusal(int band, int group) {
    if (band == kBandCb) return CbNumbersFollowPlanText();
    if (IsVfoGroup(band, group)) return VfoKeepsItsChannelText();
    return std::nullopt;
}

// Applies the moves that change a number; the outcome spans the numbers involved.
OrderOutcome Apply(Document& doc, int band, int group, const ChannelMoves& wanted) {
    ChannelMoves moves;
    for (const auto& [from, to] : wanted)
        if (from != to) moves[from] = to;
    OrderOutcome outcome;
    if (moves.empty()) return outcome;
    RenumberChannels(doc, band, group, moves);
    outcome.Changed = true;
    outcome.FirstRow = moves.begin()->first;
    outcome.LastRow = moves.rbegin()->first;
    for (const auto& [from, to] : moves) {
        outcome.FirstRow = std::min({outcome.FirstRow, from, to});
        outcome.LastRow = std::max({outcome.LastRow, from, to});
    }
    return outcome;
}

}  // namespace

TextPair CbNumbersFollowPlanText() {
    return {
        "CB channel numbers are those of the national channel plan: they cannot be sorted or "
        "moved.",
        "CB 信道号由国家信道规划确定，不能排序或移动。"};
}

std::vector<NumberedChannel> OrderableChannels(const RadioData& data, int band, int group) {
    std::vector<NumberedChannel> channels;
    const int last = ListEditLastRow(band, group);
    std::set<int> seen;
    const int used = UsedSlots(data, band, group);
    for (int slot = 1; slot <= used; ++slot) {
        const int chNo = data.channel(band, slot, group).ChNo;
        if (chNo < 1 || chNo > last || !seen.insert(chNo).second) continue;
        channels.push_back({chNo, slot});
    }
    std::sort(channels.begin(), channels.end(),
              [](const NumberedChannel& a, const NumberedChannel& b) { return a.ChNo < b.ChNo; });
    return channels;
}

OrderOutcome SortGroupByFrequency(Document& doc, int band, int group) {
    if (auto refusal = OrderRefusal(band, group)) return Refused(std::move(*refusal));
    const std::vector<NumberedChannel> byNumber = OrderableChannels(doc.Working, band, group);
    std::vector<NumberedChannel> byFrequency = byNumber;
    const auto frequency = [&](const NumberedChannel& c) {
        return StoredFrequencyHz(doc.Working.channel(band, c.Slot, group).RxFreqText.raw());
    };
    // Stable on the number order, so equal frequencies keep their order.
    std::stable_sort(byFrequency.begin(), byFrequency.end(),
                     [&](const NumberedChannel& a, const NumberedChannel& b) {
                         const auto fa = frequency(a);
                         const auto fb = frequency(b);
                         if (fa.has_value() != fb.has_value()) return fa.has_value();
                         return fa && *fa < *fb;
                     });
    ChannelMoves moves;
    for (std::size_t i = 0; i < byNumber.size(); ++i) moves[byFrequency[i].ChNo] = byNumber[i].ChNo;
    return Apply(doc, band, group, moves);
}

OrderOutcome MoveChannelRows(Document& doc, int band, int group, std::span<const int> rows,
                             int direction) {
    if (auto refusal = OrderRefusal(band, group)) return Refused(std::move(*refusal));
    if (rows.empty() || (direction != -1 && direction != 1)) return {};
    std::vector<int> moving(rows.begin(), rows.end());
    std::sort(moving.begin(), moving.end());
    moving.erase(std::unique(moving.begin(), moving.end()), moving.end());
    const int last = ListEditLastRow(band, group);
    if (moving.front() + direction < 1 || moving.back() + direction > last || moving.front() < 1 ||
        moving.back() > last)
        return {};
    // The numbers from the first to the last one involved, as a sequence of which old number
    // stands at each; each moving row swaps with its neighbour, nearest the move's end first, so
    // a block moves as one.
    const int low = std::min(moving.front(), moving.front() + direction);
    const int high = std::max(moving.back(), moving.back() + direction);
    std::vector<int> standing(static_cast<std::size_t>(high - low + 1));
    for (int n = low; n <= high; ++n) standing[static_cast<std::size_t>(n - low)] = n;
    if (direction > 0) std::reverse(moving.begin(), moving.end());
    for (int row : moving)
        std::swap(standing[static_cast<std::size_t>(row - low)],
                  standing[static_cast<std::size_t>(row + direction - low)]);
    std::set<int> held;
    for (const NumberedChannel& c : OrderableChannels(doc.Working, band, group))
        held.insert(c.ChNo);
    ChannelMoves moves;
    for (int n = low; n <= high; ++n) {
        const int old = standing[static_cast<std::size_t>(n - low)];
        if (held.count(old) != 0) moves[old] = n;
    }
    OrderOutcome outcome = Apply(doc, band, group, moves);
    if (!outcome.Changed) return outcome;
    for (int row : moving) outcome.Rows.push_back(row + direction);
    std::sort(outcome.Rows.begin(), outcome.Rows.end());
    return outcome;
}

}  // namespace kv
