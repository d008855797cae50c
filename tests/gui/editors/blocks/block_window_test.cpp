// The emergency, dual-watch and memory-key windows on a real main window: opening from the tree,
// what the lists show, Save against closing, the refilled channel list after a group change.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "app/shared_messages.h"
#include "app/twips.h"
#include "editors/channels/channel_edit.h"
#include "gui/document_editor.h"
#include "gui/editors/blocks/blocks_fixture.h"

namespace kv::blockstest {
namespace {

class BlockWindowTest : public SpecialWindowTest {
protected:
    BlockWindowTest() {
        Document& doc = *doc_;
        for (int n : {1, 2, 9, 40}) AddChannel(doc, n, kBandCb, 1, "26.965");
        for (int n : {30, 5, 12}) AddChannel(doc, n, kBandCb, 2, "26.965");
        for (int n : {1, 2, 3}) AddChannel(doc, n, kBandHf, 1, "28.5");
        for (int n : {5, 2}) AddChannel(doc, n, kBandHf, 2, "28.5");
        for (int g = 1; g <= 15; ++g)
            doc.settings().GroupName(kBandHf, g).assign(std::string{"H"} + char('A' + g - 1));
        auto useMemory = [&](int record, int memChNo) {
            doc.Working.Store.cbMem(record).InUse = 1;
            doc.Working.Store.cbMem(record).MemChNo = static_cast<i16>(memChNo);
        };
        useMemory(17, 5);
        useMemory(18, 12);
        useMemory(19, 255);
        useMemory(20, 30);
    }
};

TEST_F(BlockWindowTest, TreeNodesOpenTheWindowsAtTheirFixedSizes) {
    // Room for the largest of them: a smaller area shrinks them to fit.
    main().resize(1600, 1200);
    QCoreApplication::processEvents();
    const struct {
        const char* node;
        const char* name;
        int lists;
        int width;
        int height;
    } windows[] = {
        {"Emg Channel Setting", kEmergencyWindow, 40, 13965, 10755},
        {"DW Channel Setting", kDualWatchWindow, 18, 13965, 7155},
        {"MEM Channel Setting", kMemoryKeyWindow, 16, 13965, 7100},
    };
    for (const auto& w : windows) {
        SCOPED_TRACE(w.name);
        QWidget* window = OpenFromTree(w.node, w.name);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), QString::fromLatin1(w.node));
        EXPECT_EQ(window->findChildren<QComboBox*>().size(), w.lists);
        EXPECT_EQ(Child<QPushButton>(window, QStringLiteral("cmdSave"))->text(), "Save");
        auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->size(), QSize(TwipsToPixels(w.width, frame->logicalDpiX()),
                                       TwipsToPixels(w.height, frame->logicalDpiY())));
        frame->resize(frame->size() + QSize(50, 50));
        EXPECT_EQ(frame->width(), TwipsToPixels(w.width, frame->logicalDpiX()));
    }
    QWidget* emg = main().FindEditor(QString::fromLatin1(kEmergencyWindow));
    EXPECT_EQ(Child<QLabel>(emg, QStringLiteral("lblEuEmg_19"))->text(),
              "U/UK Emg Channel 2 Work Mode");
    EXPECT_FALSE(List(emg, 24)->isVisibleTo(emg));
    QWidget* dw = main().FindEditor(QString::fromLatin1(kDualWatchWindow));
    EXPECT_EQ(Child<QLabel>(dw, QStringLiteral("lblEuEmg_1"))->text(), "Eu DW Channel  Work Mode");
}

// Opening and saving at once leaves the document as it was, even where stored values are not in
// the lists and memories are marked empty while in use.
TEST_F(BlockWindowTest, OpeningAndSavingUntouchedChangesNothing) {
    doc_->config().EmgBlock[6] = 20;      // Eu channel 2: channel 21 is not in group 1
    doc_->config().EmgBlock[24] = 30;     // HF group beyond the list
    doc_->config().EmgBlock[26] = 7;      // a channel group 1 lacks
    doc_->config().DwBlock[14] = 9;       // a work mode beyond the list
    doc_->config().DwBlock[3] = 5;        // EC: no channels at all
    doc_->config().MemKeyBlock[1] = 2;    // PL memory 3 is marked empty
    doc_->config().MemKeyBlock[12] = 60;  // no HF MEM channels
    const auto before = std::make_unique<RadioData>(doc_->Working);
    // The fixture wrote the document directly; the edit entry starts from what it holds now.
    main().Editor().Reset();
    QSignalSpy edits(&main(), &MainWindow::documentEdited);
    for (const char* name : {kEmergencyWindow, kDualWatchWindow, kMemoryKeyWindow}) {
        QWidget* window = main().OpenEditor(QString::fromLatin1(name));
        ASSERT_NE(window, nullptr);
        QTest::mouseClick(Child<QPushButton>(window, QStringLiteral("cmdSave")), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(main().FindEditor(QString::fromLatin1(name)), nullptr) << name;
    }
    EXPECT_EQ(edits.count(), 0);  // a Save that changes nothing announces nothing
    EXPECT_EQ(doc_->Working.Config, before->Config);
    EXPECT_EQ(doc_->Working.Store.CbMemChannels, before->Store.CbMemChannels);
}

TEST_F(BlockWindowTest, ListsShowStoredValuesAndEmptyGroupsOfferNothing) {
    doc_->config().EmgBlock[1] = 11;    // PL: channel 12
    doc_->config().EmgBlock[12] = 3;    // Eu mode LSB
    doc_->config().EmgBlock[3] = 4;     // EC: no channels
    doc_->config().MemKeyBlock[1] = 3;  // PL memory 4
    QWidget* emg = main().OpenEditor(QString::fromLatin1(kEmergencyWindow));
    EXPECT_EQ(Items(List(emg, 0)), (QStringList{"1", "2", "9", "40"}));
    EXPECT_EQ(Items(List(emg, 4)), (QStringList{"5", "12", "30"}));
    EXPECT_EQ(List(emg, 4)->currentText(), "12");
    EXPECT_EQ(List(emg, 1)->currentText(), "LSB");
    EXPECT_TRUE(Items(List(emg, 12)).isEmpty());  // no channels offered
    EXPECT_EQ(List(emg, 12)->currentText(), "CH 5 (not in use)");
    EXPECT_EQ(List(emg, 28)->count(), 15);
    EXPECT_EQ(List(emg, 28)->currentText(), "HA");
    QWidget* mem = main().OpenEditor(QString::fromLatin1(kMemoryKeyWindow));
    EXPECT_EQ(Items(List(mem, 2)), (QStringList{"1", "2", "4"}));
    EXPECT_EQ(List(mem, 2)->currentText(), "4");
    EXPECT_EQ(Items(List(mem, 1)), (QStringList{"Off", "On"}));
}

TEST_F(BlockWindowTest, SaveStoresPicksAndClosingDiscardsThem) {
    QWidget* window = main().OpenEditor(QString::fromLatin1(kEmergencyWindow));
    Pick(List(window, 0), "9");
    QTest::keyClick(List(window, 1), Qt::Key_Down);  // FM → AM, as the keyboard picks
    EXPECT_EQ(doc_->config().EmgBlock[0], 0);
    CloseFrame(window);
    EXPECT_EQ(doc_->config().EmgBlock[0], 0);
    EXPECT_EQ(doc_->config().EmgBlock[12], 0);

    window = main().OpenEditor(QString::fromLatin1(kEmergencyWindow));
    EXPECT_EQ(List(window, 0)->currentText(), "1");
    Pick(List(window, 0), "9");
    QTest::keyClick(List(window, 1), Qt::Key_Down);
    QSignalSpy edits(&main(), &MainWindow::documentEdited);
    QTest::mouseClick(Child<QPushButton>(window, QStringLiteral("cmdSave")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(doc_->config().EmgBlock[0], 8);
    EXPECT_EQ(doc_->config().EmgBlock[12], 1);
    ASSERT_EQ(edits.count(), 1);
    EXPECT_EQ(edits[0][0].value<DocumentEdit>().Section, EditSection::SpecialBlocks);
    EXPECT_EQ(main().FindEditor(QString::fromLatin1(kEmergencyWindow)), nullptr);
}

TEST_F(BlockWindowTest, GroupChangeRefillsTheChannelList) {
    doc_->config().DwBlock[12] = 0;  // HF group 1: 1, 2, 3
    doc_->config().DwBlock[13] = 2;  // channel 3
    QWidget* window = main().OpenEditor(QString::fromLatin1(kDualWatchWindow));
    EXPECT_EQ(Items(List(window, 13)), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(List(window, 13)->currentText(), "3");

    Pick(List(window, 12), "HB");  // group 2 has channels 2 and 5, no 3
    EXPECT_EQ(Items(List(window, 13)), (QStringList{"2", "5"}));
    EXPECT_EQ(List(window, 13)->currentText(), "2");
    Pick(List(window, 13), "5");
    Pick(List(window, 12), "HA");  // group 1 has no 5: its first channel
    EXPECT_EQ(List(window, 13)->currentText(), "1");
    Pick(List(window, 13), "2");
    Pick(List(window, 12), "HB");  // group 2 has 2: kept
    EXPECT_EQ(List(window, 13)->currentText(), "2");

    QTest::mouseClick(Child<QPushButton>(window, QStringLiteral("cmdSave")), Qt::LeftButton);
    EXPECT_EQ(doc_->config().DwBlock[12], 1);
    EXPECT_EQ(doc_->config().DwBlock[13], 1);
}

// Channels added elsewhere reach the open window's lists; its unsaved picks stay.
TEST_F(BlockWindowTest, EditsElsewhereRefillTheListsAndKeepTheCopy) {
    QWidget* window = main().OpenEditor(QString::fromLatin1(kEmergencyWindow));
    Pick(List(window, 1), "CW");
    AddChannel(*doc_, 6, kBandCb, 4, "26.965");
    main().DocumentEdited(DocumentEdit{EditSection::Channels, kBandCb, 4});
    EXPECT_EQ(Items(List(window, 12)), (QStringList{"6"}));
    EXPECT_EQ(List(window, 1)->currentText(), "CW");
}

// After an undo or redo the open window shows what is stored, unless it holds unsaved picks.
TEST_F(BlockWindowTest, UndoRedrawsAWindowWithoutPicksAndKeepsUnsavedOnes) {
    QWidget* window = main().OpenEditor(QString::fromLatin1(kEmergencyWindow));
    Pick(List(window, 0), "9");
    QTest::mouseClick(Child<QPushButton>(window, QStringLiteral("cmdSave")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window = main().OpenEditor(QString::fromLatin1(kEmergencyWindow));
    EXPECT_EQ(List(window, 0)->currentText(), "9");
    main().Editor().Undo();
    EXPECT_EQ(doc_->config().EmgBlock[0], 0);
    const QString undone = List(window, 0)->currentText();
    EXPECT_NE(undone, "9");
    // What a window opened on the restored document shows.
    CloseFrame(window);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window = main().OpenEditor(QString::fromLatin1(kEmergencyWindow));
    EXPECT_EQ(List(window, 0)->currentText(), undone);
    main().Editor().Redo();
    EXPECT_EQ(List(window, 0)->currentText(), "9");

    Pick(List(window, 1), "CW");  // an unsaved pick stays through an undo
    main().Editor().Undo();
    EXPECT_EQ(List(window, 1)->currentText(), "CW");
}

// A frame whose memory lists are all empty says why, in the window's language; the hint goes as
// soon as a memory of the band is in use. The other block windows have no such hint.
TEST_F(BlockWindowTest, MemoryFramesWithNoMemoryInUseSayWhy) {
    const struct {
        int language;
        const char* hint;
    } cases[] = {
        {kLanguageEnglish, "No memory channel is in use in this band."},
        {kLanguageChinese, "此波段没有使用中的存储信道。"},
    };
    const auto hint = [](QWidget* window, const char* frame) {
        return Child<QLabel>(window, QStringLiteral("lblEmptyHint_") + QString::fromLatin1(frame));
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language);
        state_.CurrentLanguage = c.language;
        QWidget* window = OpenFromTree("MEM Channel Setting", kMemoryKeyWindow);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(hint(window, "FraHFBand")->text(), QString::fromUtf8(c.hint));
        EXPECT_FALSE(hint(window, "FraCBBAND")->isVisibleTo(window));  // PL has memories
        EXPECT_TRUE(Items(List(window, 12)).isEmpty());
        EXPECT_TRUE(hint(window, "FraHFBand")->isVisibleTo(window));
        EXPECT_TRUE(hint(window, "FraHANBand")->isVisibleTo(window));
        CloseFrame(window);
    }
    for (int record : {17, 18, 19, 20}) doc_->Working.Store.cbMem(record).InUse = 0;
    QWidget* window = OpenFromTree("MEM Channel Setting", kMemoryKeyWindow);
    EXPECT_TRUE(hint(window, "FraCBBAND")->isVisibleTo(window));
    ASSERT_TRUE(AddChannel(*doc_, 4, kBandHf, 16, "28.5"));
    main().DocumentEdited(DocumentEdit{EditSection::Channels, kBandHf, 16});
    EXPECT_EQ(Items(List(window, 12)), (QStringList{"4"}));
    EXPECT_FALSE(hint(window, "FraHFBand")->isVisibleTo(window));
    EXPECT_TRUE(hint(window, "FraHANBand")->isVisibleTo(window));

    for (const char* name : {kEmergencyWindow, kDualWatchWindow})
        EXPECT_TRUE(main()
                        .OpenEditor(QString::fromLatin1(name))
                        ->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^lblEmptyHint")))
                        .isEmpty());
}

// What the three windows save reaches the radio and comes back from it.
TEST_F(BlockWindowTest, SavedBlocksSurviveWriteAndRead) {
    ASSERT_TRUE(StartRadio(test::PatternImage(6)));
    QWidget* emg = main().OpenEditor(QString::fromLatin1(kEmergencyWindow));
    Pick(List(emg, 4), "30");
    Pick(List(emg, 31), "HB");
    Pick(List(emg, 32), "5");
    Pick(List(emg, 39), "CW");
    QTest::mouseClick(Child<QPushButton>(emg, QStringLiteral("cmdSave")), Qt::LeftButton);
    QWidget* dw = main().OpenEditor(QString::fromLatin1(kDualWatchWindow));
    Pick(List(dw, 2), "12");
    Pick(List(dw, 12), "HB");
    QTest::mouseClick(Child<QPushButton>(dw, QStringLiteral("cmdSave")), Qt::LeftButton);
    QWidget* mem = main().OpenEditor(QString::fromLatin1(kMemoryKeyWindow));
    Pick(List(mem, 2), "4");
    Pick(List(mem, 3), "On");
    QTest::mouseClick(Child<QPushButton>(mem, QStringLiteral("cmdSave")), Qt::LeftButton);
    const ConfigRecord saved = doc_->config();
    EXPECT_EQ(saved.EmgBlock[1], 29);
    EXPECT_EQ(saved.EmgBlock[25], 1);
    EXPECT_EQ(saved.EmgBlock[27], 4);
    EXPECT_EQ(saved.DwBlock[13], 1);  // group 2's first channel, 2
    EXPECT_EQ(saved.MemKeyBlock[1], 3);

    Trigger("mnuWriteToRadio");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return CountShown(SharedMessages().WriteCompleted) > 0; }, 60000));
    doc_->config().EmgBlock = {};
    doc_->config().DwBlock = {};
    doc_->config().MemKeyBlock = {};
    Trigger("mnuReadFromRadio");
    ASSERT_EQ(CountShown(SharedMessages().ReadCompleted), 1);
    EXPECT_EQ(doc_->config().EmgBlock, saved.EmgBlock);
    EXPECT_EQ(doc_->config().DwBlock, saved.DwBlock);
    EXPECT_EQ(doc_->config().MemKeyBlock, saved.MemKeyBlock);
}

}  // namespace
}  // namespace kv::blockstest
