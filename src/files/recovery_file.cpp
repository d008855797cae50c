// The recovery file's layout: a fixed mark, the layout number, then length-prefixed fields (the
// program version, the name, the untitled flag, the band range, the time, the working and the
// baseline data as data-file pairs), then a CRC-32 of everything before it.
#include "files/recovery_file.h"

#include <array>
#include <string_view>

#include "files/data_file_pair.h"
#include "files/version_mark.h"
#include "model/radio_facts.h"

namespace kv {
namespace {

constexpr std::string_view kMark = "KV7700 recovery\n";
constexpr std::uint32_t kLayout = 1;
// No field of a document comes near this; a larger length is damage, not a reason to allocate.
constexpr std::uint32_t kFieldLimit = 16u << 20;

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
    static const std::array<std::uint32_t, 256> kTable = [] {
        std::array<std::uint32_t, 256> table{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
        return table;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::uint8_t b : bytes) crc = kTable[(crc ^ b) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void PutField(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> field) {
    PutU32(out, static_cast<std::uint32_t>(field.size()));
    out.insert(out.end(), field.begin(), field.end());
}

void PutText(std::vector<std::uint8_t>& out, std::string_view text) {
    PutField(out, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

// Reads the fields in order; any read past the end marks the whole file as short.
class FieldReader {
public:
    explicit FieldReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool failed() const { return failed_; }
    bool atEnd() const { return pos_ == bytes_.size(); }

    std::uint32_t u32() {
        if (failed_ || bytes_.size() - pos_ < 4) {
            failed_ = true;
            return 0;
        }
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= std::uint32_t{bytes_[pos_ + i]} << (8 * i);
        pos_ += 4;
        return v;
    }
    std::span<const std::uint8_t> field() {
        const std::uint32_t size = u32();
        if (failed_ || size > kFieldLimit || bytes_.size() - pos_ < size) {
            failed_ = true;
            return {};
        }
        const auto field = bytes_.subspan(pos_, size);
        pos_ += size;
        return field;
    }
    std::string text() {
        const auto bytes = field();
        return {bytes.begin(), bytes.end()};
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

}  // namespace

std::vector<std::uint8_t> EncodeRecovery(const RecoveryContent& content) {
    const PairBytes working = EncodePair(content.Working);
    const PairBytes staged = EncodePair(content.Staged);
    std::vector<std::uint8_t> out;
    out.reserve(kMark.size() + 64 + content.DocumentName.size() + working.Data.size() +
                working.Companion.size() + staged.Data.size() + staged.Companion.size());
    out.insert(out.end(), kMark.begin(), kMark.end());
    PutU32(out, kLayout);
    PutText(out, kProgramDataVersion);
    PutText(out, content.DocumentName);
    PutText(out, content.DocumentUntitled ? "1" : "0");
    PutText(out, content.BandRangeText);
    PutText(out, content.TakenAt);
    PutField(out, working.Data);
    PutField(out, working.Companion);
    PutField(out, staged.Data);
    PutField(out, staged.Companion);
    PutU32(out, Crc32(out));
    return out;
}

DecodedRecovery DecodeRecovery(std::span<const std::uint8_t> bytes) {
    DecodedRecovery result;
    if (bytes.size() < kMark.size() + 8 ||
        std::string_view(reinterpret_cast<const char*>(bytes.data()), kMark.size()) != kMark)
        return result;
    const auto body = bytes.first(bytes.size() - 4);
    FieldReader in(body.subspan(kMark.size()));
    // The version comes before the checksum: another version may seal its files otherwise.
    const std::uint32_t layout = in.u32();
    result.Version = in.text();
    // A version that reads as none is damage, not another version.
    if (in.failed() || !IsValidVersionMark(result.Version)) return result;
    if (layout != kLayout || result.Version != kProgramDataVersion) {
        result.Problem = RecoveryProblem::OtherVersion;
        return result;
    }
    FieldReader crc(bytes.last(4));
    if (crc.u32() != Crc32(body)) return result;
    auto content = std::make_unique<RecoveryContent>();
    content->DocumentName = in.text();
    const std::string untitled = in.text();
    content->BandRangeText = in.text();
    content->TakenAt = in.text();
    const auto workingData = in.field();
    const auto workingCompanion = in.field();
    const auto stagedData = in.field();
    const auto stagedCompanion = in.field();
    if (in.failed() || !in.atEnd() || (untitled != "0" && untitled != "1")) return result;
    content->DocumentUntitled = untitled == "1";
    if (DecodePair(workingData, workingCompanion, content->Working) != PairProblem::None ||
        DecodePair(stagedData, stagedCompanion, content->Staged) != PairProblem::None)
        return result;
    result.Problem = RecoveryProblem::None;
    result.Content = std::move(content);
    return result;
}

}  // namespace kv
