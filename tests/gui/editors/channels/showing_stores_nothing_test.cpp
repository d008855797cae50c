// Showing never stores: a radio's contents as it may hold them after years of use (every byte of
// the transfer map random), read, shown in the channel window, moved around by the window's own
// code and saved, give the very files the plain decode of the same image gives. Only the user's
// picks store, and only what the radio receives counts as an edit.
#include <QDate>
#include <QFile>
#include <QPointer>
#include <random>

#include "app/ui/main_window.h"
#include "channel_fixture.h"
#include "codec/image_codec.h"
#include "files/data_file.h"
#include "files/staging.h"
#include "files/templates.h"
#include "gui/document_editor.h"
#include "gui/shell_context.h"
#include "link/transfer_map.h"
#include "model/band_range.h"

namespace kv::test {
namespace {

std::unique_ptr<MemoryImage> RandomRadioImage(unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    auto image = std::make_unique<MemoryImage>();
    for (const TransferRegion& region : kTransferRegions)
        for (std::uint32_t address = region.First; address <= region.Last; ++address)
            image->put(address, static_cast<std::uint8_t>(byte(rng)));
    return image;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

class ShowingStoresNothingTest : public ChannelWindowTest {
protected:
    // The pair the command-line decode writes: the start-up document with the image decoded over
    // it, saved.
    void SaveDecoded(const MemoryImage& image, const QString& path) {
        auto expected = std::make_unique<Document>();
        expected->BandRangeText = kStartupBandRangeText;
        ParseBandRange(*expected);
        BuildNewDocument(*expected, programFolder().toStdString(),
                         QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toStdString());
        DecodeImage(image, expected->Working, app_->context().Codec);
        ASSERT_TRUE(SaveDataFile(*expected, path.toStdString()).ok());
    }

    // What the window's own code does to the selectors: no pick of the user's.
    void MoveAroundByCode() {
        for (int band = 0; band < kBandCount; ++band) {
            combo("Combo2")->setCurrentIndex(band);
            for (int group = 1; group <= combo("Combo6")->count(); group += 4)
                combo("Combo6")->setCurrentIndex(group - 1);
        }
        window()->reShowGrid();
        window()->ReShow_Group_Name();
        window()->ReShowChInfoByLanguage();
        window()->InitValidComboList();
        window()->ShowValidComboText();
    }
};

TEST_F(ShowingStoresNothingTest, ARandomRadioReadShownAndSavedIsItsDecodeByteForByte) {
    for (const bool radioOptions : {true, false}) {
        for (const unsigned seed : {11u, 12u}) {
            SCOPED_TRACE((radioOptions ? "options, seed " : "no options, seed ") +
                         std::to_string(seed));
            app_.reset();
            FlushDeletes();
            StartWithBands(radioOptions);
            const auto image = RandomRadioImage(seed);
            main().ShowRadioData(*image);  // as a finished read does
            FlushDeletes();
            ASSERT_NE(window(), nullptr);
            EXPECT_EQ(combo("Combo2")->isEnabled(), radioOptions);
            MoveAroundByCode();
            // Closed and opened again, as a language change does.
            main().CloseAllEditors();
            FlushDeletes();
            main().OpenEditor(QString::fromLatin1(kChannelWindow));
            MoveAroundByCode();

            const QString name = QString::number(seed) + (radioOptions ? "o" : "n");
            const QString saved = dir_.filePath(name + QStringLiteral("read.dat"));
            chooser_->Answers.push_back(saved);
            trigger("mnuFileSaveAs");
            SaveDecoded(*image, dir_.filePath(name + QStringLiteral("decoded.dat")));
            for (const char* extension : {".dat", ".fre"})
                EXPECT_EQ(FileBytes(dir_.filePath(name + "read" + extension)),
                          FileBytes(dir_.filePath(name + "decoded" + extension)))
                    << extension;
        }
    }
}

// A read replaces the document under every open window: the windows stay, redraw from the radio's
// contents (the channel window at the stored band, whatever band it showed) and store nothing,
// so the saved pair is still the plain decode of the image.
TEST_F(ShowingStoresNothingTest, EveryOpenWindowRedrawsAReadWithoutStoring) {
    StartWithBands();
    const char* names[] = {kChannelWindow,   kSettingsWindow,  kRogerBeepWindow,
                           kDtmfWindow,      kEmergencyWindow, kDualWatchWindow,
                           kMemoryKeyWindow, kWeatherWindow,   kGroupNameWindow};
    std::vector<QPointer<QWidget>> windows;
    for (const char* name : names) {
        windows.emplace_back(main().OpenEditor(QString::fromLatin1(name)));
        ASSERT_FALSE(windows.back().isNull()) << name;
    }
    // Moved by code: a pick would store the group into the document the read starts from.
    combo("Combo2")->setCurrentIndex(kBandHf);
    combo("Combo6")->setCurrentIndex(4);
    const auto expectWindowsOpen = [&] {
        for (std::size_t n = 0; n < windows.size(); ++n) {
            ASSERT_FALSE(windows[n].isNull()) << names[n];
            EXPECT_EQ(main().FindEditor(QString::fromLatin1(names[n])), windows[n].data());
        }
        const int stored = doc().config().BandMode;
        EXPECT_EQ(combo("Combo2")->currentIndex(),
                  stored >= 0 && stored < kBandCount ? stored : kBandCb);
        EXPECT_FALSE(main().Editor().CanUndo());
    };
    const auto image = RandomRadioImage(21);
    main().ShowRadioData(*image);
    FlushDeletes();
    expectWindowsOpen();
    chooser_->Answers.push_back(dir_.filePath(QStringLiteral("read.dat")));
    trigger("mnuFileSaveAs");
    SaveDecoded(*image, dir_.filePath(QStringLiteral("decoded.dat")));
    for (const char* extension : {".dat", ".fre"})
        EXPECT_EQ(FileBytes(dir_.filePath(QStringLiteral("read") + extension)),
                  FileBytes(dir_.filePath(QStringLiteral("decoded") + extension)))
            << extension;

    // New replaces it the same way, and nothing redrawn counts as an edit.
    Answer({MessageAnswer::Ok});
    trigger("mnuFileNew");
    expectWindowsOpen();
    EXPECT_FALSE(IsDocumentChanged(doc()));
    // The windows editing a copy took the new document's: closing them asks nothing.
    Asked.clear();
    EXPECT_TRUE(main().CloseAllEditors());
    EXPECT_TRUE(Asked.empty());
}

// A radio without the HF option has only CB: the window shows CB, offers no other band, and
// keeps the stored band, which the check before writing names.
TEST_F(ShowingStoresNothingTest, WithoutTheOptionCbIsShownAndTheStoredBandKept) {
    StartWithBands(false);
    doc().config().BandMode = kBandHam;
    doc().settings().WorkGroup[kBandHam] = 4;
    doc().settings().WorkGroup[kBandCb] = 2;
    StageDocument(doc());
    main().CloseAllEditors();
    FlushDeletes();
    main().OpenEditor(QString::fromLatin1(kChannelWindow));
    EXPECT_FALSE(combo("Combo2")->isEnabled());
    EXPECT_EQ(combo("Combo2")->currentIndex(), kBandCb);
    EXPECT_EQ(combo("Combo6")->count(), 7);
    EXPECT_EQ(combo("Combo6")->currentIndex(), 1);
    EXPECT_EQ(grid()->model()->rowCount(), 56);
    EXPECT_EQ(doc().config().BandMode, kBandHam);
    EXPECT_FALSE(IsDocumentChanged(doc()));
    EXPECT_TRUE(title().contains(QStringLiteral("26.96500 - 27.86125 MHz")))
        << title().toStdString();
    // Going to a channel (undo, Compare) reaches CB channels only.
    window()->ShowChannel(kBandHam, 2, 1);
    EXPECT_EQ(combo("Combo2")->currentIndex(), kBandCb);
    window()->ShowChannel(kBandCb, 3, 5);
    EXPECT_EQ(combo("Combo6")->currentIndex(), 2);
    EXPECT_EQ(doc().config().BandMode, kBandHam);
    EXPECT_FALSE(IsDocumentChanged(doc()));
}

// The group shown on opening is not a pick: a work group the list cannot show stays stored until
// the user picks a group, and then only a group the radio can work in is taken.
TEST_F(ShowingStoresNothingTest, TheWorkGroupFollowsOnlyTheUsersPickOfARegularGroup) {
    StartWithBands();
    doc().config().BandMode = kBandHam;
    doc().settings().WorkGroup[kBandHam] = 122;
    doc().config().CurrentGroup[kBandHam] = 9;
    doc().config().GroupCurrentChannel(kBandHam, 1) = 77;
    StageDocument(doc());
    main().CloseAllEditors();
    FlushDeletes();
    main().OpenEditor(QString::fromLatin1(kChannelWindow));
    EXPECT_EQ(combo("Combo6")->currentIndex(), 0);
    EXPECT_EQ(doc().settings().WorkGroup[kBandHam], 122);
    EXPECT_EQ(doc().config().GroupCurrentChannel(kBandHam, 1), 77);
    combo("Combo6")->setCurrentIndex(5);  // by code
    EXPECT_EQ(window()->DisplayedGroup(), 6);
    EXPECT_EQ(doc().settings().WorkGroup[kBandHam], 122);
    EXPECT_EQ(doc().config().CurrentGroup[kBandHam], 9);
    EXPECT_FALSE(IsDocumentChanged(doc()));

    Pick(combo("Combo6"), 12);  // MEM: no work group
    EXPECT_EQ(doc().settings().WorkGroup[kBandHam], 122);
    EXPECT_EQ(doc().config().CurrentGroup[kBandHam], 13);
    EXPECT_FALSE(IsDocumentChanged(doc())) << "a position is no edit";
    Pick(combo("Combo3"), 12);
    EXPECT_EQ(doc().settings().WorkGroup[kBandHam], 122);
    Pick(combo("Combo6"), 11);
    EXPECT_EQ(doc().settings().WorkGroup[kBandHam], 12);
    EXPECT_TRUE(IsDocumentChanged(doc()));

    // The row the user moves to is remembered for the group.
    SelectRow(5);
    EXPECT_EQ(doc().config().GroupCurrentChannel(kBandHam, 12), 5);
}

// The band picked is an edit the radio receives: it is stored and asks to be saved.
TEST_F(ShowingStoresNothingTest, ABandPickedIsAnEdit) {
    StartWithBands();
    doc().config().BandMode = kBandCb;
    StageDocument(doc());
    main().CloseAllEditors();
    FlushDeletes();
    main().OpenEditor(QString::fromLatin1(kChannelWindow));
    combo("Combo2")->setCurrentIndex(kBandHf);  // by code: shown, not stored
    EXPECT_EQ(grid()->model()->rowCount(), 40);
    EXPECT_EQ(doc().config().BandMode, kBandCb);
    EXPECT_FALSE(IsDocumentChanged(doc()));
    Pick(combo("Combo2"), kBandHf);
    EXPECT_EQ(doc().config().BandMode, kBandHf);
    EXPECT_TRUE(IsDocumentChanged(doc()));
}

}  // namespace
}  // namespace kv::test
