// The own CSV format, written through the channel columns.
#include "exchange/channel_export.h"

#include <algorithm>

#include "exchange/channel_columns.h"
#include "exchange/csv.h"
#include "exchange/utf8_text.h"

namespace kv {
namespace {

std::string GroupNameCell(const RadioData& data, int band, int group, const CodePage& codePage) {
    if (IsMemGroup(band, group)) return "MEM";
    if (IsVfoGroup(band, group)) return "VFO";
    return ToUtf8(codePage, data.Config.Settings.GroupName(band, group).trimmed());
}

void AppendFields(std::vector<std::string>& cells, const ChannelRecord& record,
                  const ChannelContext& context) {
    for (const FieldColumn& column : FieldColumns())
        cells.push_back(FieldText(column, record, context));
}

}  // namespace

int CbMemoryGroup(const ChannelRecord& memory, int n) {
    const int block = (n - 1) / 16 + 1;  // 1..6
    if (block == 5) return memory.MemBand == 1 ? 7 : 5;
    return block;
}

std::string ExportChannels(const RadioData& data, const CodePage& codePage) {
    std::string out(kUtf8Bom);
    out += CsvLine(ChannelHeader());
    const std::int32_t offset = data.Config.Settings.RepeaterOffset;
    for (int band = 0; band < kBandCount; ++band)
        for (int group = 1; group <= kGroupsPerBand[band]; ++group) {
            const int used = std::clamp<int>(data.channelCount(band, group), 0, kMaxSlot);
            // A group without channels still carries its name, on a row without CH No.
            // As many fields as every other row: one count per file.
            if (used == 0 && group <= kRegularGroupsPerBand[band]) {
                std::vector<std::string> cells = {BandName(band), std::to_string(group),
                                                  GroupNameCell(data, band, group, codePage)};
                cells.resize(ChannelHeader().size());
                out += CsvLine(cells);
            }
            for (int slot = 1; slot <= used; ++slot) {
                const ChannelRecord& record = data.channel(band, slot, group);
                std::vector<std::string> cells = {BandName(band), std::to_string(group),
                                                  GroupNameCell(data, band, group, codePage),
                                                  std::to_string(record.ChNo)};
                AppendFields(cells, record, {band, offset});
                out += CsvLine(cells);
            }
        }
    for (int n = 1; n <= kCbMemCount; ++n) {
        const ChannelRecord& memory = data.Store.cbMem(n);
        if (memory.InUse != 1) continue;
        std::vector<std::string> cells = {std::string(kCbMemoryBand),
                                          std::to_string(CbMemoryGroup(memory, n)), "",
                                          std::to_string(n)};
        AppendFields(cells, memory, {kBandCb, offset});
        out += CsvLine(cells);
    }
    return out;
}

}  // namespace kv
