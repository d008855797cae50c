// Encodes and decodes a full document (every group full of channels, every CB memory and weather
// channel in use) many times and prints the time per operation.
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "codec/image_codec.h"
#include "model/channel_store.h"

namespace {

using Clock = std::chrono::steady_clock;

std::unique_ptr<kv::RadioData> FullDocument() {
    auto data = std::make_unique<kv::RadioData>();
    for (int band = 0; band < kv::kBandCount; ++band)
        for (int g = 1; g <= kv::kGroupsPerBand[band]; ++g) {
            const int capacity = kv::SlotCapacity(band, g);
            data->channelCount(band, g) = static_cast<std::int16_t>(capacity);
            for (int s = 1; s <= capacity; ++s) {
                auto& ch = data->channel(band, s, g);
                ch.ChNo = static_cast<std::int16_t>(s);
                ch.InUse = 1;
                ch.ScanAdd = static_cast<std::int16_t>(s % 2);
                ch.RxFreqText.assign(std::to_string(28000000 + 10000 * s));
                ch.MemMode = static_cast<std::int16_t>(s % 6);
                ch.TxToneType = 1;
                ch.TxCtcss = static_cast<std::int16_t>(s % 38);
            }
        }
    for (int n = 1; n <= kv::kCbMemCount; ++n) {
        auto& mem = data->Store.cbMem(n);
        mem.ChNo = static_cast<std::int16_t>(n);
        mem.InUse = 1;
        mem.RxFreqText.assign("27005000");
        mem.MemChNo = static_cast<std::int16_t>(1 + n % 40);
    }
    for (auto& wx : data->Config.Settings.WeatherChannels) wx = {1, 162.55, 0, 1, 1};
    for (auto& code : data->Config.Settings.DtmfCodes) code.assign("0123456789ABCD*#");
    data->Config.Settings.BtDeviceName.assign("KV-7700 handset");
    return data;
}

// Wall time and processor time per run; the two differ when other programs share the processor.
struct Timing {
    double wallMicros;
    double cpuMicros;
};

template <typename Step>
Timing TimePerRun(int runs, Step step) {
    const auto wallStart = Clock::now();
    const std::clock_t cpuStart = std::clock();
    for (int i = 0; i < runs; ++i) step();
    const std::chrono::duration<double, std::micro> wall = Clock::now() - wallStart;
    const double cpu = 1e6 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    return {wall.count() / runs, cpu / runs};
}

int CountChannels(const kv::RadioData& data) {
    int n = 0;
    for (int band = 0; band < kv::kBandCount; ++band)
        for (int g = 1; g <= kv::kGroupsPerBand[band]; ++g) n += data.channelCount(band, g);
    return n;
}

void Print(const char* what, const Timing& t, int runs) {
    std::printf("%-30s %8.1f us wall, %8.1f us processor per run (%d runs)\n", what, t.wallMicros,
                t.cpuMicros, runs);
}

}  // namespace

int main() {
    constexpr int kRuns = 2000;
    const auto source = FullDocument();
    auto decoded = std::make_unique<kv::RadioData>();
    auto image = std::make_unique<kv::MemoryImage>();

    const Timing encode = TimePerRun(kRuns, [&] {
        image->clear();
        kv::EncodeImage(*source, *image);
    });
    const Timing decode = TimePerRun(kRuns, [&] { kv::DecodeImage(*image, *decoded); });

    std::printf("full document: %d channels written, %d read back (CB group 3 keeps 40 of 80)\n",
                CountChannels(*source), CountChannels(*decoded));
    Print("EncodeImage (clear + encode):", encode, kRuns);
    Print("DecodeImage:", decode, kRuns);
    Print("encode + decode:",
          {encode.wallMicros + decode.wallMicros, encode.cpuMicros + decode.cpuMicros}, kRuns);
    return 0;
}
