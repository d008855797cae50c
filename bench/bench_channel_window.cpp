// The channel window built offscreen with a full document (every group of every band at
// capacity): the time from a user's band switch, group switch or frequency entry until the
// window has repainted, as median, 95th percentile and worst of many repetitions.
#include <time.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/main_window_tables.h"
#include "app/ui/application.h"
#include "app/ui/main_window.h"
#include "editors/channels/ui/channel_window.h"
#include "full_document.h"
#include "model/document.h"
#include "platform/placement_store.h"

namespace {

void Pick(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Samples {
    std::vector<double> wall;
    std::vector<double> cpu;
};

void Report(const char* what, Samples s) {
    for (auto* ms : {&s.wall, &s.cpu}) std::sort(ms->begin(), ms->end());
    const auto line = [&](const char* kind, const std::vector<double>& ms) {
        std::printf("%-34s %-4s n=%4zu  median %6.2f ms  p95 %6.2f ms  max %6.2f ms\n", what, kind,
                    ms.size(), ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back());
    };
    line("wall", s.wall);
    line("cpu", s.cpu);
}

// Wall time includes waiting for a processor shared with other programs; the GUI thread's
// processor time is the window's own work.
Samples Time(int repeats, QWidget* window, const std::function<void(int)>& step) {
    Samples s;
    QElapsedTimer timer;
    for (int i = 0; i < repeats; ++i) {
        const double cpu = ThreadCpuMs();
        timer.start();
        step(i);
        window->repaint();
        s.wall.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        s.cpu.push_back(ThreadCpuMs() - cpu);
    }
    return s;
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("KV7700/Init"));
    const QDir templates(QStringLiteral(KV_PROGRAM_DIR "/Init"));
    for (const QString& name : templates.entryList(QDir::Files))
        QFile::copy(templates.filePath(name), dir.filePath(QStringLiteral("KV7700/Init/") + name));

    kv::StartupOptions options;
    options.Folders = kv::ProgramFolders::ForProgramFolder(dir.filePath(QStringLiteral("KV7700")));
    options.Locale = kv::LocaleFactsFor("en_US");
    options.Placement =
        std::make_shared<kv::PlacementStore>(dir.filePath(QStringLiteral("placement.ini")));
    kv::Application application(options);
    kv::MainWindow& main = application.mainWindow();
    kv::Document& doc = application.document();
    kv::bench::FillEveryGroup(doc);
    doc.Radio.RadioOptionFlag = true;
    main.CloseAllEditors();
    main.resize(1400, 900);
    main.show();
    auto* window =
        qobject_cast<kv::ChannelWindow*>(main.OpenEditor(QString::fromLatin1(kv::kChannelWindow)));
    window->parentWidget()->resize(900, 800);
    auto* band = window->findChild<QComboBox*>(QStringLiteral("Combo2"));
    auto* group = window->findChild<QComboBox*>(QStringLiteral("Combo6"));
    auto* grid = window->findChild<QTableView*>(QStringLiteral("MSFlexGrid1"));
    auto* edit = window->findChild<QLineEdit*>(QStringLiteral("Text1"));
    QApplication::processEvents();

    std::printf("Channel window, offscreen, every group full (%s)\n", qVersion());
    Report("repaint alone", Time(150, window, [](int) {}));
    Report("band switch (HF/HAM/CB)",
           Time(150, window, [&](int i) { Pick(band, (i % 3 + 1) % 3); }));
    Pick(band, kv::kBandHf);
    Report("group switch (HF 1..17)",
           Time(170, window, [&](int i) { Pick(group, i % group->count()); }));
    Pick(group, 15);  // MEM: 99 rows
    Report("frequency entry (HF MEM, 99 rows)", Time(200, window, [&](int i) {
               grid->setCurrentIndex(grid->model()->index(i % 99, 1));
               // The path of Enter on a cell, a typed value and the commit.
               QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
               QApplication::sendEvent(grid, &enter);
               edit->setText(QString::number(25.0 + (i % 50) * 0.01, 'f', 2));
               window->FinishEdit();
           }));
    int stored = 0;
    for (int slot = 1; slot <= 99; ++slot)
        stored += doc.Working.channel(kv::kBandHf, slot, 16).RxFreqText.trimmed() != "28015000";
    std::printf("frequency entries that reached the document: %d of 99 channels\n", stored);

    // The list commands act on the grid that has the focus.
    main.activateWindow();
    grid->setFocus();
    QApplication::processEvents();
    Report("copy 99 MEM rows to the clipboard", Time(50, window, [&](int) {
               grid->selectAll();
               window->ListCopy();
           }));
    Report("paste 99 MEM rows from the clipboard", Time(50, window, [&](int) {
               grid->setCurrentIndex(grid->model()->index(0, 1));
               window->ListPaste();
           }));
    const bool focused = grid->hasFocus();
    std::printf("the grid had the focus: %s\n", focused ? "yes" : "no");
    return stored == 99 && focused ? 0 : 1;
}
