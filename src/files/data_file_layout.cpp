// The record layouts driven through the field walker, with the sizes the file format fixes checked
// at compile time.
#include "files/data_file_layout.h"

#include <string_view>

#include "files/field_walk.h"
#include "files/record_layout.h"

namespace kv {
namespace {

constexpr layout::LayoutCheck kConfigLayout = layout::CheckLayout<ConfigRecord>();
constexpr layout::LayoutCheck kChannelLayout = layout::CheckLayout<ChannelRecord>();
static_assert(kConfigLayout.misplaced == nullptr, "a data file row's offset is wrong");
static_assert(kConfigLayout.size == kConfigRecordSize);
static_assert(kChannelLayout.misplaced == nullptr, "a channel record row's offset is wrong");
static_assert(kChannelLayout.size == kChannelRecordSize);
static_assert(layout::CheckLayout<PublicParams>().size == 22);
static_assert(layout::CheckLayout<WeatherRecord>().size == 16);
static_assert(layout::CheckLayout<ToneRecord>().size == 60);

}  // namespace

void WriteConfigRecord(const ConfigRecord& record, std::vector<std::uint8_t>& out) {
    layout::WriteStream stream(out);
    layout::Walk(stream, record);
}

bool ReadConfigRecord(std::span<const std::uint8_t> bytes, ConfigRecord& record) {
    if (bytes.size() < kConfigRecordSize) return false;
    ByteReader reader(bytes.first(kConfigRecordSize));
    layout::ReadStream stream(reader);
    layout::Walk(stream, record);
    return !reader.failed();
}

void WriteChannelRecord(const ChannelRecord& record, std::vector<std::uint8_t>& out) {
    layout::WriteStream stream(out);
    layout::Walk(stream, record);
}

void ReadChannelRecord(ByteReader& reader, ChannelRecord& record) {
    layout::ReadStream stream(reader);
    layout::Walk(stream, record);
}

}  // namespace kv
