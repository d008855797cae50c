// Saving and opening a full data file pair (every group of every band at capacity): the time per
// operation on the disk, flushes included, and of the byte conversion alone.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "files/data_file.h"
#include "files/data_file_pair.h"
#include "files/staging.h"
#include "model/channel_store.h"

namespace {

using Clock = std::chrono::steady_clock;

std::unique_ptr<kv::Document> FullDocument() {
    auto doc = std::make_unique<kv::Document>();
    for (int band = 0; band < kv::kBandCount; ++band)
        for (int group = 1; group <= kv::kGroupsPerBand[band]; ++group) {
            const int capacity = kv::SlotCapacity(band, group);
            doc->Working.channelCount(band, group) = static_cast<kv::i16>(capacity);
            for (int slot = 1; slot <= capacity; ++slot) {
                kv::ChannelRecord& channel = doc->Working.channel(band, slot, group);
                channel.ChNo = static_cast<kv::i16>(slot);
                channel.InUse = 1;
                channel.RxFreqText.assign("28015000");
            }
        }
    return doc;
}

template <typename Operation>
double MillisecondsPer(int repeats, Operation&& operation) {
    const auto start = Clock::now();
    for (int i = 0; i < repeats; ++i) operation();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / repeats;
}

// One write and flush of a small file: the disk's share of a save, which flushes both files and
// their folder.
double FlushMilliseconds(const std::string& path, int repeats) {
    const char bytes[4096] = {};
    return MillisecondsPer(repeats, [&] {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0) return;
        if (::write(fd, bytes, sizeof bytes) == sizeof bytes) ::fsync(fd);
        ::close(fd);
    });
}

}  // namespace

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "kv-bench-files";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "full.dat").string();
    constexpr int kRepeats = 50;

    auto doc = FullDocument();
    bool ok = true;
    const double save =
        MillisecondsPer(kRepeats, [&] { ok = SaveDataFile(*doc, path).ok() && ok; });
    kv::VersionTable table;
    table.Pairs = {{"V100", "V100"}};
    auto opened = std::make_unique<kv::Document>();
    const double open =
        MillisecondsPer(kRepeats, [&] { ok = OpenDataFile(*opened, path, table).ok() && ok; });

    kv::PairBytes pair;
    const double encode = MillisecondsPer(kRepeats, [&] { pair = kv::EncodePair(doc->Staged); });
    auto decoded = std::make_unique<kv::RadioData>();
    const double decode = MillisecondsPer(kRepeats, [&] {
        ok = kv::DecodePair(pair.Data, pair.Companion, *decoded) == kv::PairProblem::None && ok;
    });
    const double changed =
        MillisecondsPer(kRepeats, [&] { ok = !IsDocumentChanged(*opened) && ok; });

    std::printf("full pair: %zu + %zu bytes, %d runs each\n", pair.Data.size(),
                pair.Companion.size(), kRepeats);
    std::printf("  SaveDataFile (fsync included)  %8.3f ms\n", save);
    std::printf("  OpenDataFile                   %8.3f ms\n", open);
    std::printf("  EncodePair (memory only)       %8.3f ms\n", encode);
    std::printf("  DecodePair (memory only)       %8.3f ms\n", decode);
    std::printf("  IsDocumentChanged              %8.3f ms\n", changed);
    std::printf("  for scale: one 4 KB write + fsync %6.3f ms (a save makes three flushes)\n",
                FlushMilliseconds((folder / "flush.bin").string(), kRepeats));
    std::filesystem::remove_all(folder);
    if (!ok) std::fprintf(stderr, "an operation failed\n");
    return ok ? 0 : 1;
}
