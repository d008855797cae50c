// Copy and paste of channel rows without the windows: a full 99-channel MEM group copied (records,
// spreadsheet text and the own type) and pasted back over an emptied group from each text, and
// the spreadsheet reader on 1,600 rows (every channel of a radio). Prints the median and the
// slowest of 20 runs against the goals: 20 ms for copy and for paste, 50 ms for the reader.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editors/channels/channel_rows_edit.h"
#include "exchange/channel_rows_private.h"
#include "exchange/channel_rows_sheet.h"
#include "model/document.h"

namespace {

constexpr int kRuns = 20;
constexpr int kMemGroup = 16;  // HF's MEM group: 99 rows

void FillMemGroup(kv::Document& doc) {
    for (int slot = 1; slot <= 99; ++slot) {
        kv::ChannelRecord& channel = doc.Working.channel(kv::kBandHf, slot, kMemGroup);
        channel.ChNo = static_cast<kv::i16>(slot);
        channel.InUse = 1;
        channel.ScanAdd = 1;
        channel.TxPower = static_cast<kv::i16>(slot % 3);
        channel.RxToneType = 1;
        channel.RxCtcss = static_cast<kv::i16>(slot % 38);
        channel.RxFreqText.assign(std::to_string(25000000 + 1000 * slot));
    }
    doc.Working.channelCount(kv::kBandHf, kMemGroup) = 99;
}

struct Figures {
    double median;
    double max;
};

Figures Measure(const std::function<void()>& body) {
    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        body();
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

void Print(const char* what, const Figures& f, double goal) {
    std::printf("%-40s median %7.3f ms  max %7.3f ms  goal %4.0f ms  %s\n", what, f.median, f.max,
                goal, f.median <= goal ? "met" : "NOT MET");
}

}  // namespace

int main() {
    auto doc = std::make_unique<kv::Document>();
    FillMemGroup(*doc);
    std::vector<int> rows;
    for (int row = 1; row <= 99; ++row) rows.push_back(row);

    std::string sheet;
    std::string own;
    Print("copy 99 MEM channels (both texts)", Measure([&] {
              const auto copied = kv::CopyChannelRows(*doc, kv::kBandHf, kMemGroup, rows);
              sheet =
                  kv::ChannelRowsSheet(*doc, kv::kBandHf, kMemGroup, copied, kv::kLanguageEnglish);
              own = kv::WriteChannelRows(copied);
          }),
          20);

    auto empty = std::make_unique<kv::Document>(*doc);
    empty->Working.channelCount(kv::kBandHf, kMemGroup) = 0;
    auto target = std::make_unique<kv::Document>();
    Print("paste 99 MEM channels (own type)", Measure([&] {
              *target = *empty;
              const kv::PrivateRows read = kv::ReadChannelRows(own);
              kv::PasteChannelRows(*target, kv::kBandHf, kMemGroup, 1, read.Rows);
          }),
          20);
    Print("paste 99 MEM channels (spreadsheet text)", Measure([&] {
              *target = *empty;
              std::vector<kv::RefusedLine> refused;
              const auto pasted = kv::SheetRowsToPaste(*target, kv::kBandHf, kMemGroup, 1,
                                                       kv::ReadChannelSheet(sheet), false, refused);
              kv::PasteChannelRows(*target, kv::kBandHf, kMemGroup, 1, pasted);
          }),
          20);
    if (target->Working.channelCount(kv::kBandHf, kMemGroup) != 99) {
        std::printf("the paste did not give the 99 channels back\n");
        return 1;
    }

    // A whole radio: the header and 1,600 rows.
    std::vector<std::string> lines;
    for (std::size_t from = 0; from < sheet.size();) {
        const std::size_t end = sheet.find('\n', from) + 1;
        lines.push_back(sheet.substr(from, end - from));
        from = end;
    }
    std::string radio = lines.front();
    for (int row = 0; row < 1600; ++row) radio += lines[1 + static_cast<std::size_t>(row) % 99];
    std::size_t read = 0;
    Print("read 1,600 spreadsheet rows",
          Measure([&] { read = kv::ReadChannelSheet(radio).Rows.size(); }), 50);
    std::printf("rows read: %zu, text %zu bytes\n", read, radio.size());
    return 0;
}
