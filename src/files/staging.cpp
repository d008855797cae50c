// Staging, applying and the unsaved-changes test.
#include "files/staging.h"

#include <memory>
#include <string_view>
#include <vector>

#include "files/data_file_layout.h"
#include "files/used_slots.h"
#include "model/no_edit_members.h"

namespace kv {
namespace {

constexpr std::int16_t kIdentCode = 248;

std::string TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

void CopyUsedChannels(const RadioData& from, RadioData& to) {
    ForEachUsedSlot(from.Config, [&](int band, int group, int slot) {
        to.channel(band, slot, group) = from.channel(band, slot, group);
    });
    to.Store.CbMemChannels = from.Store.CbMemChannels;
}

// The identity members and the version mark a save stores with the record.
void StampIdentity(const Document& doc, ConfigRecord& config) {
    const std::string model = TrimBlanks(doc.Radio.ExpectedModel) + '\0';
    RadioIdentity& identity = config.Identity;
    identity.IdentModel.assign(model);
    identity.IdentRangeClass = static_cast<i16>(BandRangeClass(doc.BandRangeText));
    identity.IdentCode = kIdentCode;
    identity.IdentModelShort.assign(model);
    config.FileVersion.assign(kProgramDataVersion);
}

// The bytes a save would store for the record, without the editor positions (where the user last
// looked) and with texts that are shown trimmed compared as shown. BandMode reaches the radio, so
// it counts.
std::vector<std::uint8_t> ComparableBytes(const ConfigRecord& record) {
    auto copy = std::make_unique<ConfigRecord>(record);
    ClearPositions(*copy);
    for (auto& name : copy->Settings.GroupName.values) name.assign(name.trimmed());
    for (auto& code : copy->Settings.DtmfCodes) code.assign(code.trimmed());
    std::vector<std::uint8_t> bytes;
    WriteConfigRecord(*copy, bytes);
    return bytes;
}

}  // namespace

std::unique_ptr<RadioData> StagedCopy(const Document& doc) {
    auto staged = std::make_unique<RadioData>(doc.Staged);
    staged->Config = doc.Working.Config;
    StampIdentity(doc, staged->Config);
    CopyUsedChannels(doc.Working, *staged);
    return staged;
}

void AdoptStagedCopy(Document& doc, const RadioData& staged) {
    doc.Radio.ExpectedModel = TrimBlanks(doc.Radio.ExpectedModel);
    StampIdentity(doc, doc.Working.Config);
    doc.Staged = staged;
}

void StageDocument(Document& doc) {
    AdoptStagedCopy(doc, *StagedCopy(doc));
}

void ApplyStagedDocument(Document& doc) {
    doc.Working.Config = doc.Staged.Config;
    doc.Radio.FirmwareVersion = doc.Working.Config.FileVersion.raw();
    doc.Radio.ExpectedModel = kExpectedModel;
    doc.BandRangeText = BandRangeTextFor(doc.Working.Config.BandMode);
    ParseBandRange(doc);
    CopyUsedChannels(doc.Staged, doc.Working);
}

bool IsDocumentChanged(const Document& doc) {
    const RadioData& working = doc.Working;
    const RadioData& staged = doc.Staged;
    // The counts are part of the record, so past this point both sides use the same slots.
    if (ComparableBytes(working.Config) != ComparableBytes(staged.Config)) return true;

    bool changed = false;
    ForEachUsedSlot(staged.Config, [&](int band, int group, int slot) {
        if (changed) return;
        const ChannelRecord& was = staged.channel(band, slot, group);
        int pairedSlot = slot;
        if (working.channel(band, slot, group).ChNo != was.ChNo)
            pairedSlot = FindSlot(working, band, group, was.ChNo);
        changed = pairedSlot == 0 || !(working.channel(band, pairedSlot, group) == was);
    });
    return changed || working.Store.CbMemChannels != staged.Store.CbMemChannels;
}

}  // namespace kv
