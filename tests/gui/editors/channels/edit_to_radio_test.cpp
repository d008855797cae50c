// A whole edit in the channel window reaches the radio: typed, saved, opened again, and written
// to the simulated radio with one entry still being typed.
#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include "app/shared_messages.h"
#include "app/ui/main_window.h"
#include "channel_fixture.h"
#include "codec/image_codec.h"
#include "e2e/link/sim_process.h"
#include "model/radio_data.h"
#include "platform/port_list.h"
#include "platform/settings_file.h"

namespace kv::test {
namespace {

constexpr int kSimPort = 42;

TEST_F(ChannelWindowTest, AnEditSavedOpenedAndWrittenReachesTheRadiosImage) {
    // A test before this one may have asked the application to quit outside any event loop
    // (the version hand-over); every modal loop, the progress window's among them, would then
    // return at once. Running the application loop once clears that request.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    QFile versions(dir_.filePath(QStringLiteral("Version.ini")));
    ASSERT_TRUE(versions.open(QIODevice::WriteOnly));
    versions.write(
        "[Version]\nCurrentVersion=V100\nSoftVersionCount=1\nFirmVersionCount=1\n"
        "[Soft]\nVersion0=V100\n[Firm]\nFirm0=V100-V100\n");
    versions.close();
    StartWithBands();
    SimProcess sim;
    const auto blank = std::make_unique<MemoryImage>();
    ASSERT_TRUE(sim.Start(*blank));
    WritePortMapping(app_->settings().writePath(), {{kSimPort, sim.path().toStdString()}});
    state().comPort = kSimPort;

    ShowBandGroup(kBandHam, 2);
    TypeFrequency(6, "28.77");
    const QString path = dir_.filePath(QStringLiteral("radio.dat"));
    chooser_->Answers.push_back(path);
    trigger("mnuFileSaveAs");
    chooser_->Answers.push_back(path);
    trigger("mnuFileOpen");
    ASSERT_NE(window(), nullptr);
    ShowBandGroup(kBandHam, 2);
    EXPECT_EQ(Cell(6), "28.77000");
    // Channel 7 is still being typed when Write starts.
    SelectRow(7);
    QTest::keyClick(grid(), Qt::Key_Return);
    QTest::keyClicks(editBox(), "28.88");

    // With a mode enabled the template has nothing for the check before writing to list.
    doc().config().ModeEnable[0] = 1;
    Answer({MessageAnswer::Ok, MessageAnswer::Ok});
    trigger("mnuWriteToRadio");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Asked.size() >= 2; }, 60000))
        << Asked.size() << " messages";
    EXPECT_EQ(Asked[1].Text, SharedMessages().WriteCompleted);
    ASSERT_TRUE(sim.Stop());

    auto written = std::make_unique<RadioData>(doc().Working);
    ClearChannels(*written);
    DecodeImage(sim.SavedImage(), *written);
    for (const auto& [chNo, stored] : {std::pair{6, "28770000"}, std::pair{7, "28880000"}}) {
        const int slot = FindSlot(*written, kBandHam, 2, chNo);
        ASSERT_GT(slot, 0) << chNo;
        EXPECT_EQ(written->channel(kBandHam, slot, 2).RxFreqText.trimmed().substr(0, 8), stored);
    }
}

}  // namespace
}  // namespace kv::test
