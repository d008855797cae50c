// The edit entry's cost per undo step: 200 channel frequency edits applied through the
// DocumentEditor on a full document (every group of every band at capacity), then 200 undos and
// 200 redos. Prints the time per step (recording, undo, redo) and the memory the steps hold.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "editors/channels/channel_edit.h"
#include "full_document.h"
#include "gui/document_editor.h"
#include "model/band_range.h"
#include "model/document.h"

namespace {

constexpr int kEdits = 200;

struct Figures {
    double medianMs;
    double maxMs;
    double meanMs;
};

Figures Summarise(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    double total = 0;
    for (double m : ms) total += m;
    return {ms[ms.size() / 2], ms.back(), total / static_cast<double>(ms.size())};
}

void Print(const char* what, const Figures& f) {
    std::printf("%-24s median %6.3f ms  mean %6.3f ms  max %6.3f ms\n", what, f.medianMs, f.meanMs,
                f.maxMs);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    auto doc = std::make_unique<kv::Document>();
    kv::bench::FillEveryGroup(*doc);
    const kv::CodecOptions codec;
    kv::DocumentEditor editor(*doc, codec);
    editor.Reset();

    std::vector<double> record;
    std::vector<double> undo;
    std::vector<double> redo;
    QElapsedTimer timer;
    for (int i = 0; i < kEdits; ++i) {
        const int group = 1 + i % 15;
        const int row = 1 + (i / 15) % 40;
        const std::string typed = std::to_string(25 + i % 5) + "." + std::to_string(100 + i);
        timer.start();
        editor.Apply(
            [&](kv::Document& d) {
                kv::ApplyChannelFreq(d, kv::kBandHf, group, row, typed,
                                     kv::BandLimits(kv::kBandHf));
            },
            kv::DocumentEdit{kv::EditSection::Channels, kv::kBandHf, group, row, row});
        record.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    const int steps = editor.UndoCount();
    const std::size_t bytes = editor.StepBytes();
    for (int i = 0; i < steps; ++i) {
        timer.start();
        editor.Undo();
        undo.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    for (int i = 0; i < steps; ++i) {
        timer.start();
        editor.Redo();
        redo.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }

    std::printf(
        "Undo steps: %d channel frequency edits on a full document (sizeof Document %zu KB)\n",
        steps, sizeof(kv::Document) / 1024);
    Print("edit + record", Summarise(record));
    Print("undo", Summarise(undo));
    Print("redo", Summarise(redo));
    std::printf("memory: %zu KB for %d steps, %.2f KB per step (goal: 1 ms and 150 KB)\n",
                bytes / 1024, steps, steps ? static_cast<double>(bytes) / 1024.0 / steps : 0.0);
    return steps == kEdits ? 0 : 1;
}
