// Opening a data file pair through the program's own open path. The input is split into the
// data file and its companion: its first two bytes (little-endian) give the data file's length,
// the bytes after the data file are the companion. A refused pair must leave the document as it
// was; an accepted one must save and reopen to the same document.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "files/data_file.h"
#include "files/data_file_pair.h"
#include "files/templates.h"
#include "fuzz_support.h"
#include "model/band_range.h"

namespace {

using kv::fuzz::Check;

struct Baseline {
    std::unique_ptr<kv::Document> Doc = std::make_unique<kv::Document>();
    kv::PairBytes Working;
    kv::PairBytes Staged;
    // Lists the program's own version and one other data version, so that both the accepted and
    // the incompatible-version paths are reached.
    kv::VersionTable Versions{"V100", {"V100"}, {{"V100", "V100"}, {"V090", "V101"}}};

    Baseline() {
        Doc->BandRangeText = kv::kStartupBandRangeText;
        kv::BuildNewDocument(*Doc, "/nonexistent", "20260101");
        Working = kv::EncodePair(Doc->Working);
        Staged = kv::EncodePair(Doc->Staged);
    }
};

bool SamePair(const kv::PairBytes& a, const kv::PairBytes& b) {
    return a.Data == b.Data && a.Companion == b.Companion;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static const Baseline baseline;
    static const std::string folder = kv::fuzz::ScratchFolder();
    static const std::string input = folder + "/input.dat";
    static const std::string saved = folder + "/saved.dat";

    const std::span<const std::uint8_t> all(bytes, size);
    if (size < 2) return 0;
    const std::size_t dataLength = std::min<std::size_t>(bytes[0] | (bytes[1] << 8), size - 2);
    kv::fuzz::WriteFile(input, all.subspan(2, dataLength));
    kv::fuzz::WriteFile(kv::CompanionPath(input), all.subspan(2 + dataLength));

    auto doc = std::make_unique<kv::Document>(*baseline.Doc);
    const kv::FileResult opened = kv::OpenDataFile(*doc, input, baseline.Versions);
    if (!opened.ok()) {
        Check(!opened.Message.en.empty() && !opened.Message.zh.empty(),
              "a refused pair says why in both languages");
        Check(SamePair(kv::EncodePair(doc->Working), baseline.Working),
              "a refused pair leaves the working data unchanged");
        Check(SamePair(kv::EncodePair(doc->Staged), baseline.Staged),
              "a refused pair leaves the staging copy unchanged");
        Check(doc->DocumentName == baseline.Doc->DocumentName && doc->DocumentUntitled,
              "a refused pair leaves the document's name unchanged");
        return 0;
    }

    Check(doc->DocumentName == input && !doc->DocumentUntitled, "an opened pair names the file");
    const kv::PairBytes openedBytes = kv::EncodePair(doc->Working);
    Check(kv::SaveDataFile(*doc, saved).ok(), "an opened pair can be saved");
    auto reopened = std::make_unique<kv::Document>(*baseline.Doc);
    Check(kv::OpenDataFile(*reopened, saved, baseline.Versions).ok(), "a saved pair reopens");
    Check(SamePair(kv::EncodePair(reopened->Working), kv::EncodePair(doc->Working)),
          "a saved pair reopens to the same document");
    Check(openedBytes.Companion == kv::EncodePair(reopened->Working).Companion,
          "saving keeps every channel record");
    return 0;
}
