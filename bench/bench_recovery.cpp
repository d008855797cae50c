// The recovery copy's cost. On the window's thread: one edit through the edit entry with and
// without the keeper listening, and the copy the keeper takes when its timer fires (the unsaved
// test and the copy of the data). On the writer thread: encoding, writing and syncing one copy.
// At start-up: looking for copies left behind when there are none. Prints medians and maxima.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/ui/data_file_store.h"
#include "app/ui/recovery_keeper.h"
#include "editors/channels/channel_edit.h"
#include "files/recovery_file.h"
#include "full_document.h"
#include "gui/document_editor.h"
#include "model/band_range.h"
#include "model/document.h"
#include "platform/recovery_store.h"

namespace {

constexpr int kEdits = 200;
constexpr int kCopies = 50;

void FillEveryGroup(kv::Document& doc) {
    kv::bench::FillEveryGroup(doc);
    doc.Staged = doc.Working;
}

double Ms(const QElapsedTimer& timer) {
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void Print(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %7.3f ms  max %7.3f ms  (%zu runs)\n", what, ms[ms.size() / 2],
                ms.back(), ms.size());
}

// Edits channel frequencies one by one; the time of each edit through the edit entry.
std::vector<double> TimeEdits(kv::DocumentEditor& editor, int offset) {
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < kEdits; ++i) {
        const int group = 1 + i % 15;
        const int row = 1 + (i / 15) % 40;
        const std::string typed =
            std::to_string(25 + (i + offset) % 5) + "." + std::to_string(100 + i + offset);
        timer.start();
        editor.Apply(
            [&](kv::Document& d) {
                kv::ApplyChannelFreq(d, kv::kBandHf, group, row, typed,
                                     kv::BandLimits(kv::kBandHf));
            },
            kv::DocumentEdit{kv::EditSection::Channels, kv::kBandHf, group, row, row});
        times.push_back(Ms(timer));
    }
    return times;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("recovery"));

    QElapsedTimer timer;
    std::vector<double> lookups;
    for (int i = 0; i < kCopies; ++i) {
        timer.start();
        kv::FindLeftRecoveryFiles(folder);
        lookups.push_back(Ms(timer));
    }

    auto doc = std::make_unique<kv::Document>();
    FillEveryGroup(*doc);
    const kv::VersionTable versions;
    const kv::DataFileStore store(kv::ProgramFolders::ForProgramFolder(dir.path()), versions);
    const kv::CodecOptions codec;
    kv::DocumentEditor editor(*doc, codec);
    editor.Reset();
    const std::vector<double> bare = TimeEdits(editor, 0);

    std::vector<double> withKeeper;
    std::vector<double> copies;
    std::vector<double> writes;
    {
        kv::RecoveryKeeper keeper(*doc, editor, store, folder);
        withKeeper = TimeEdits(editor, 1);
        for (int i = 0; i < kCopies; ++i) {
            timer.start();
            keeper.TakeCopyNow();
            copies.push_back(Ms(timer));
            keeper.WaitForWriter();
        }
        // The writer's share, measured the way it runs: encode, then the safe save with its syncs.
        kv::OwnRecoveryFile file(dir.filePath(QStringLiteral("writes")));
        kv::RecoveryContent content;
        content.Working = doc->Working;
        content.Staged = doc->Staged;
        for (int i = 0; i < kCopies; ++i) {
            timer.start();
            file.Write(kv::EncodeRecovery(content));
            writes.push_back(Ms(timer));
        }
        file.Remove();
    }

    std::printf("full document: every group of every band at capacity\n");
    Print("start-up, nothing left behind", lookups);
    Print("window thread: one edit, no keeper", bare);
    Print("window thread: one edit, keeper listening", withKeeper);
    Print("window thread: taking one copy", copies);
    Print("writer thread: encode + write + sync", writes);
    return 0;
}
