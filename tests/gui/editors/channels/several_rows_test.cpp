// Several channels at once in the running application: rows selected with the keyboard and the
// mouse, copied to the system clipboard and pasted into another group or from a spreadsheet's
// text, cut and deleted together, and one details pick for every selected channel. Every
// command is one undo step of the real edit entry, and the saved pair holds what was pasted.
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QMimeData>
#include <QTimer>

#include "app/ui/main_window.h"
#include "channel_fixture.h"
#include "codec/image_codec.h"
#include "files/data_file.h"
#include "gui/document_editor.h"
#include "model/memory_image.h"
#include "model/transmit_frequency.h"
#include "unit/exchange/exchangeable_document.h"

namespace kv::test {
namespace {

constexpr const char* kOwnType = "application/x-kv7700-channel-rows";

std::vector<std::uint8_t> ImageOf(const RadioData& data) {
    MemoryImage image;
    EncodeImage(data, image);
    return std::vector<std::uint8_t>(image.data(), image.data() + MemoryImage::kSize);
}

void PutText(const QString& text) {
    QApplication::clipboard()->setText(text);
}

class SeveralRowsTest : public ChannelWindowTest {
protected:
    void SetUp() override {
        ChannelWindowTest::SetUp();
        InstallVersionTable();
        StartWithBands();
    }

    // Makes `data` the working document, as Open does, and shows the band's group.
    void Load(const RadioData& data, int band, int group) {
        doc().Working = data;
        main().Editor().Reset();
        ShowBandGroup(band, group);
        window()->reShowGrid();
    }

    // Selects rows first..last as the user does: a click, then Shift+Down.
    void SelectRowsByKeys(int first, int last) {
        SelectRow(first);
        for (int row = first; row < last; ++row)
            QTest::keyClick(grid(), Qt::Key_Down, Qt::ShiftModifier);
    }

    void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QModelIndex index = grid()->model()->index(row - 1, 1);
        grid()->scrollTo(index);
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, modifiers,
                          grid()->visualRect(index).center());
    }

    const ChannelRecord* Channel(int band, int group, int chNo) {
        const int slot = FindSlot(doc().Working, band, group, chNo);
        return slot > 0 ? &doc().Working.channel(band, slot, group) : nullptr;
    }

    // Gives the group channels 1..count with in-band frequencies and low power.
    static void FillGroup(RadioData& data, int band, int group, int count) {
        for (int slot = 1; slot <= count; ++slot) {
            ChannelRecord& record = data.channel(band, slot, group);
            record.ChNo = static_cast<i16>(slot);
            record.InUse = 1;
            record.PublicCh = 0;
            record.TxPower = 0;
            record.Busy = 1;
            // References to tones and codes the document defines, or none.
            record.RogerBeep = record.DtmfBot = record.DtmfEot = record.DtmfCall = 0;
            record.RxFreqText.assign(std::to_string(28100000 + 1000 * slot));
            FitDetailsToImage(record);
            record.Reserved6 = record.Reserved7 = record.Reserved11 = 0;
        }
        data.channelCount(band, group) = static_cast<i16>(count);
    }

    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
};

TEST_F(SeveralRowsTest, FiveChannelsCopiedByKeyboardPasteIntoAnotherGroupAndSaveThere) {
    RadioData data = ExchangeableDocument(21)->Working;
    FillGroup(data, kBandHam, 1, 8);
    data.channelCount(kBandHam, 3) = 0;
    Load(data, kBandHam, 1);
    std::vector<ChannelRecord> source;
    for (int row = 2; row <= 6; ++row) source.push_back(*Channel(kBandHam, 1, row));

    SelectRowsByKeys(2, 6);
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied->hasFormat(QString::fromLatin1(kOwnType)));
    const QStringList lines = copied->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("CH No.\tFrequency\tBUSY\t")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("2\t28.102000\t")));

    ShowBandGroup(kBandHam, 3);
    SelectRow(10);
    const int steps = main().Editor().UndoCount();
    QTest::keyClick(grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_TRUE(Asked.empty());
    EXPECT_EQ(main().Editor().UndoCount(), steps + 1);
    EXPECT_EQ(Cell(10), QStringLiteral("28.10200"));
    EXPECT_EQ(Cell(14), QStringLiteral("28.10600"));
    // One step back is the document before the paste, one forward the paste again.
    main().Editor().Undo();
    EXPECT_EQ(doc().Working.channelCount(kBandHam, 3), 0);
    main().Editor().Redo();

    ASSERT_TRUE(SaveDataFile(doc(), path("pasted.dat").toStdString()).ok());
    doc().Working = RadioData{};
    ASSERT_TRUE(main().OpenDataFile(path("pasted.dat")));
    ASSERT_EQ(doc().Working.channelCount(kBandHam, 3), 5);
    for (int n = 0; n < 5; ++n) {
        ChannelRecord expected = source[static_cast<std::size_t>(n)];
        expected.ChNo = static_cast<i16>(10 + n);
        SetTransmitText(kBandHam, expected, doc().settings().RepeaterOffset);
        const ChannelRecord* pasted = Channel(kBandHam, 3, 10 + n);
        ASSERT_NE(pasted, nullptr) << 10 + n;
        EXPECT_TRUE(*pasted == expected) << "row " << 10 + n;
    }
}

// A spreadsheet's rows with Chinese headers in their own order and a column the program does
// not know, pasted from row 37 of a 40-row group: two rows are stored, the others named.
TEST_F(SeveralRowsTest, SpreadsheetRowsStoreTheGoodOnesAndNameTheBadOnes) {
    RadioData data = ExchangeableDocument(22)->Working;
    FillGroup(data, kBandHam, 2, 3);
    Load(data, kBandHam, 2);
    const std::vector<std::uint8_t> before = ImageOf(doc().Working);
    PutText(
        QStringLiteral("扫描\t频率\tPower\t信道\tComment\r\n"
                       "添加\t28.12345\tHigh\t1\tgood\r\n"
                       "Add\t31.5\tLow\t2\tout of the band\r\n"
                       "删除\t28.2\tUltra\t3\tno such power\r\n"
                       "\"Del\"\t 28.3 \tMid\t4\tgood\r\n"
                       "Add\t28.4\tLow\t5\tbeyond the group\r\n"
                       "Add\tabc\tLow\t6\tnot a number\r\n"));
    SelectRow(37);
    Answer({MessageAnswer::Ok});
    trigger("mnuPaste");

    ASSERT_EQ(Asked.size(), 1u);
    const QStringList named = QString::fromStdString(Asked[0].Text.en).split('\n');
    EXPECT_EQ(named, QStringList({"These rows were not pasted:",
                                  "line 3: this channel may not have the frequency 31.50000 MHz",
                                  "line 4: Power \"Ultra\" is not in the list",
                                  "line 6: row 41 is beyond the group's last channel 40",
                                  "line 7: Frequency \"abc\" is not a frequency in MHz"}));
    const ChannelRecord* first = Channel(kBandHam, 2, 37);
    const ChannelRecord* fourth = Channel(kBandHam, 2, 40);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(fourth, nullptr);
    // Stored as a typed entry is: the display form without its point.
    EXPECT_EQ(first->RxFreqText.raw(), "2812345 ");
    EXPECT_EQ(first->TxPower, 2);
    EXPECT_EQ(first->ScanAdd, 1);
    EXPECT_EQ(fourth->RxFreqText.raw(), "2830000 ");
    EXPECT_EQ(fourth->TxPower, 1);
    EXPECT_EQ(fourth->ScanAdd, 0);
    EXPECT_EQ(Channel(kBandHam, 2, 38), nullptr);
    EXPECT_EQ(Channel(kBandHam, 2, 39), nullptr);
    EXPECT_EQ(doc().Working.channelCount(kBandHam, 2), 5);
    EXPECT_EQ(Cell(37), QStringLiteral("28.12345"));

    main().Editor().Undo();
    EXPECT_EQ(ImageOf(doc().Working), before);
    EXPECT_EQ(Cell(37), QString());
}

TEST_F(SeveralRowsTest, OnePowerPickOnTenChannelsChangesTenBytesAndUndoesInOneStep) {
    RadioData data = ExchangeableDocument(23)->Working;
    FillGroup(data, kBandHam, 1, 12);
    data.channel(kBandHam, 3, 1).TxPower = 1;  // the selection differs in power
    Load(data, kBandHam, 1);
    const std::vector<std::uint8_t> before = ImageOf(doc().Working);

    ClickRow(2);
    ClickRow(11, Qt::ShiftModifier);
    auto* power = combo("Combo8_21");
    // The channels differ in power: no entry; they agree on BUSY: its entry.
    EXPECT_EQ(power->currentIndex(), -1);
    EXPECT_TRUE(power->isVisible());
    EXPECT_EQ(combo("Combo8_6")->currentIndex(), 1);
    const int steps = main().Editor().UndoCount();
    Pick(power, QStringLiteral("High"));

    EXPECT_TRUE(Asked.empty());
    EXPECT_EQ(main().Editor().UndoCount(), steps + 1);
    for (int row = 1; row <= 12; ++row)
        EXPECT_EQ(Channel(kBandHam, 1, row)->TxPower, row >= 2 && row <= 11 ? 2 : 0) << row;
    const std::vector<std::uint8_t> after = ImageOf(doc().Working);
    ASSERT_EQ(after.size(), before.size());
    int differing = 0;
    for (std::size_t i = 0; i < after.size(); ++i) differing += after[i] != before[i];
    EXPECT_EQ(differing, 10);
    EXPECT_EQ(power->currentText(), QStringLiteral("High"));

    main().Editor().Undo();
    EXPECT_EQ(ImageOf(doc().Working), before);
}

// Ctrl+arrows move the focus frame without the highlight: the details panel, a pick and Delete
// all act on the highlighted row, never on the one the frame went to.
TEST_F(SeveralRowsTest, PanelPickAndDeleteActOnTheHighlightedRow) {
    RadioData data = ExchangeableDocument(31)->Working;
    FillGroup(data, kBandHam, 1, 12);
    Load(data, kBandHam, 1);
    ClickRow(11);
    for (int i = 0; i < 3; ++i) QTest::keyClick(grid(), Qt::Key_Up, Qt::ControlModifier);
    ASSERT_EQ(grid()->currentIndex().row() + 1, 8);

    auto* panel = window()->findChild<QGroupBox*>(QStringLiteral("FrameDetails"));
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->title().endsWith(QStringLiteral("CH 11"))) << panel->title().toStdString();
    Pick(combo("Combo8_21"), QStringLiteral("High"));
    EXPECT_EQ(Channel(kBandHam, 1, 11)->TxPower, 2);
    EXPECT_EQ(Channel(kBandHam, 1, 8)->TxPower, 0);

    grid()->setFocus();
    trigger("mnuDelete");
    EXPECT_EQ(Channel(kBandHam, 1, 11), nullptr);
    EXPECT_NE(Channel(kBandHam, 1, 8), nullptr);
}

// Where the selected channels differ, a box is empty: in its value, or in having the box at all
// (DCS channels beside CTCSS ones); where they agree, it shows their value.
TEST_F(SeveralRowsTest, BoxesAreEmptyWhereTheSelectedChannelsDiffer) {
    RadioData data = ExchangeableDocument(32)->Working;
    FillGroup(data, kBandHam, 1, 12);
    for (int slot = 1; slot <= 12; ++slot) {
        ChannelRecord& record = data.channel(kBandHam, slot, 1);
        const bool dcs = slot == 6 || slot == 7;
        record.RxToneType = dcs ? 2 : 1;
        record.RxCtcss = 3;
        record.RxDcs = 5;
        record.TxToneType = 0;
    }
    Load(data, kBandHam, 1);
    ClickRow(1);
    ClickRow(7, Qt::ShiftModifier);
    ClickRow(11, Qt::ControlModifier);
    struct Case {
        const char* box;
        bool visible;
        int index;  // -1: empty
    };
    const Case cases[] = {
        {"Combo8_18", true, -1},  // RXCTC: CTCSS and DCS
        {"Combo8_19", true, -1},  // the CTCSS tone: not every channel has one
        {"Combo8_20", true, -1},  // the DCS code: CH 6 and 7 only
        {"Combo8_17", true, 0},   // TXCTC: all off
        {"Combo8_21", true, 0},   // power: all low
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box);
        EXPECT_EQ(combo(c.box)->isVisibleTo(window()), c.visible);
        EXPECT_EQ(combo(c.box)->currentIndex(), c.index);
    }
    // Two DCS channels alone agree on their code.
    ClickRow(6);
    ClickRow(7, Qt::ShiftModifier);
    EXPECT_EQ(combo("Combo8_20")->currentIndex(), 5);
}

TEST_F(SeveralRowsTest, APickThatAppliesToSomeChannelsNamesTheOthers) {
    RadioData data = ExchangeableDocument(24)->Working;
    FillGroup(data, kBandHam, 1, 4);
    for (int slot = 1; slot <= 4; ++slot) {
        data.channel(kBandHam, slot, 1).RxToneType = slot % 2 == 1 ? 1 : 0;
        data.channel(kBandHam, slot, 1).RxCtcss = 0;
    }
    Load(data, kBandHam, 1);
    ClickRow(1);
    ClickRow(4, Qt::ShiftModifier);
    Answer({MessageAnswer::Ok});
    Pick(combo("Combo8_19"), 5);

    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text.en,
              "The choice does not apply to CH 2, CH 4: they were left as they were.");
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(Channel(kBandHam, 1, row)->RxCtcss, row % 2 == 1 ? 5 : 0) << row;
}

// A channel whose Public is on takes the value from its band: the message says so, for one
// channel as for several.
TEST_F(SeveralRowsTest, APickLeftOutForPublicChannelsSaysWhy) {
    RadioData data = ExchangeableDocument(33)->Working;
    FillGroup(data, kBandHam, 1, 4);
    for (int slot = 1; slot <= 4; ++slot) {
        data.channel(kBandHam, slot, 1).NbAnl = 0;
        data.channel(kBandHam, slot, 1).PublicCh = slot == 3 ? 1 : 0;
    }
    Load(data, kBandHam, 1);
    ClickRow(1);
    ClickRow(4, Qt::ShiftModifier);
    Answer({MessageAnswer::Ok});
    Pick(combo("Combo8_3"), 2);

    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text.en,
              "CH 3: Public is on, so the channel takes this value from its band's public "
              "parameters; it was left as it was.");
    EXPECT_NE(Asked[0].Text.zh.find("CH 3：Public 已开启"), std::string::npos) << Asked[0].Text.zh;
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(Channel(kBandHam, 1, row)->NbAnl, row == 3 ? 0 : 2) << row;
}

TEST_F(SeveralRowsTest, CutAndDeleteOfSelectedRowsAreOneStepEach) {
    RadioData data = ExchangeableDocument(25)->Working;
    FillGroup(data, kBandHam, 1, 10);
    Load(data, kBandHam, 1);
    const std::vector<std::uint8_t> before = ImageOf(doc().Working);

    ClickRow(2);
    ClickRow(5, Qt::ControlModifier);
    ClickRow(7, Qt::ControlModifier);
    const int steps = main().Editor().UndoCount();
    trigger("mnuCut");
    EXPECT_EQ(main().Editor().UndoCount(), steps + 1);
    EXPECT_EQ(doc().Working.channelCount(kBandHam, 1), 7);
    for (int row : {2, 5, 7}) EXPECT_EQ(Channel(kBandHam, 1, row), nullptr) << row;
    // What was cut pastes back onto consecutive rows from the one selected.
    SelectRow(2);
    trigger("mnuPaste");
    EXPECT_EQ(Cell(2), QStringLiteral("28.10200"));
    EXPECT_EQ(Cell(3), QStringLiteral("28.10500"));
    EXPECT_EQ(Cell(4), QStringLiteral("28.10700"));
    main().Editor().Undo();
    main().Editor().Undo();
    EXPECT_EQ(ImageOf(doc().Working), before);

    SelectRowsByKeys(8, 10);
    trigger("mnuDelete");
    EXPECT_EQ(doc().Working.channelCount(kBandHam, 1), 7);
    main().Editor().Undo();
    EXPECT_EQ(ImageOf(doc().Working), before);
}

// The context menu opened inside the selection acts on the whole selection; outside it, on the
// row clicked.
TEST_F(SeveralRowsTest, TheContextMenuKeepsTheSelectionItWasOpenedIn) {
    RadioData data = ExchangeableDocument(30)->Working;
    FillGroup(data, kBandHam, 1, 8);
    Load(data, kBandHam, 1);
    QMenu* menu = action("mnuListEdit")->menu();
    ASSERT_NE(menu, nullptr);
    const QMetaObject::Connection showing = QObject::connect(menu, &QMenu::aboutToShow, [&] {
        QTimer::singleShot(0, menu, [&] {
            action("mnuDelete")->trigger();
            menu->close();
        });
    });
    const auto deleteFromMenuAt = [&](int row) {
        emit grid()->customContextMenuRequested(
            grid()->visualRect(grid()->model()->index(row - 1, 1)).center());
    };
    SelectRowsByKeys(2, 4);
    deleteFromMenuAt(3);
    SelectRowsByKeys(6, 7);
    deleteFromMenuAt(8);
    QObject::disconnect(showing);
    std::vector<int> left;
    for (int row = 1; row <= 8; ++row)
        if (Channel(kBandHam, 1, row) != nullptr) left.push_back(row);
    EXPECT_EQ(left, std::vector<int>({1, 5, 6, 7}));
}

// Shift+F10 and the menu key open the grid's menu on the highlighted rows, as the right button
// does there.
TEST_F(SeveralRowsTest, TheMenuKeysOpenTheContextMenu) {
    RadioData data = ExchangeableDocument(34)->Working;
    FillGroup(data, kBandHam, 1, 8);
    Load(data, kBandHam, 1);
    QMenu* menu = action("mnuListEdit")->menu();
    ASSERT_NE(menu, nullptr);
    const QMetaObject::Connection showing = QObject::connect(menu, &QMenu::aboutToShow, [&] {
        QTimer::singleShot(0, menu, [&] {
            action("mnuDelete")->trigger();
            menu->close();
        });
    });
    SelectRowsByKeys(2, 3);
    QTest::keyClick(grid(), Qt::Key_F10, Qt::ShiftModifier);
    SelectRow(6);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1));
    QApplication::sendEvent(grid(), &menuKey);
    // The highlighted row, not the one the focus frame went to.
    SelectRow(8);
    QTest::keyClick(grid(), Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(grid(), Qt::Key_F10, Qt::ShiftModifier);
    QObject::disconnect(showing);
    std::vector<int> left;
    for (int row = 1; row <= 8; ++row)
        if (Channel(kBandHam, 1, row) != nullptr) left.push_back(row);
    EXPECT_EQ(left, std::vector<int>({1, 4, 5, 7}));
}

TEST_F(SeveralRowsTest, InsertPasteOfThreeRowsMovesTheChannelsBelowDown) {
    RadioData data = ExchangeableDocument(26)->Working;
    FillGroup(data, kBandHam, 1, 6);
    Load(data, kBandHam, 1);
    SelectRowsByKeys(1, 3);
    trigger("mnuCopy");
    SelectRow(5);
    trigger("mnuInsertPaste");
    EXPECT_TRUE(Asked.empty());
    const QStringList expected = {"28.10100", "28.10200", "28.10300", "28.10400", "28.10100",
                                  "28.10200", "28.10300", "28.10500", "28.10600"};
    for (int row = 1; row <= 9; ++row) EXPECT_EQ(Cell(row), expected[row - 1]) << row;
    EXPECT_EQ(doc().Working.channelCount(kBandHam, 1), 9);
    // The undo step names the rows that changed, not the rest of the group.
    ASSERT_NE(main().Editor().UndoName(), nullptr);
    const std::string name = main().Editor().UndoName()->en;
    EXPECT_EQ(name.substr(name.size() - std::string("CH 5-9").size()), "CH 5-9") << name;
}

TEST_F(SeveralRowsTest, ClipboardRowsThatCannotBePastedSayWhyAndChangeNothing) {
    RadioData data = ExchangeableDocument(27)->Working;
    FillGroup(data, kBandHam, 1, 4);
    Load(data, kBandHam, 1);
    const std::vector<std::uint8_t> before = ImageOf(doc().Working);
    const auto paste = [&](const QByteArray& own) {
        auto* mime = new QMimeData;
        mime->setData(QString::fromLatin1(kOwnType), own);
        mime->setText(QStringLiteral("ignored when the own type is there"));
        QApplication::clipboard()->setMimeData(mime);
        SelectRow(2);
        Asked.clear();
        Answer({MessageAnswer::Ok});
        trigger("mnuPaste");
        EXPECT_EQ(ImageOf(doc().Working), before);
        return Asked.size() == 1 ? Asked[0].Text.en : std::string();
    };
    EXPECT_EQ(paste("KV7700 channel rows\t2\nchannel\tChNo=1\n"),
              "The clipboard holds channel rows of a newer program (format 2); this program reads "
              "format 1. Paste them with the newer program, or copy them as text there.");
    EXPECT_EQ(paste("something else"), "The clipboard does not hold channel rows of this program.");
    EXPECT_EQ(paste("KV7700 channel rows\t1\nchannel\tChNo=x\nmemory\tInUse=1\n"),
              "These rows were not pasted:\nline 2: the row is damaged\n"
              "line 3: a CB memory can be pasted only onto a memory row");
}

TEST_F(SeveralRowsTest, CbMemoryRowsCopyAsMemoriesAndPasteOnlyOntoMemoryRows) {
    RadioData data = ExchangeableDocument(28)->Working;
    data.channelCount(kBandCb, 1) = std::max<i16>(data.channelCount(kBandCb, 1), 2);
    for (int n = 1; n <= 2; ++n) {
        data.channel(kBandCb, n, 1).ChNo = static_cast<i16>(n);
        data.channel(kBandCb, n, 1).RxFreqText.assign(n == 1 ? "26965000" : "26975000");
        data.channel(kBandCb, n, 1).InUse = 1;
        ChannelRecord& memory = data.Store.cbMem(n);
        memory.InUse = 1;
        memory.MemChNo = static_cast<i16>(n);
        memory.RogerBeep = memory.DtmfBot = memory.DtmfEot = memory.DtmfCall = 0;
        // A memory carries the frequency of the channel it refers to.
        memory.RxFreqText = data.channel(kBandCb, n, 1).RxFreqText;
        memory.TxFreqText = data.channel(kBandCb, n, 1).TxFreqText;
    }
    Load(data, kBandCb, 1);
    const int memoryRow = grid()->model()->rowCount() - 15;  // M1
    SelectRowsByKeys(memoryRow, memoryRow + 1);
    trigger("mnuCopy");
    EXPECT_EQ(QApplication::clipboard()->mimeData()->data(kOwnType).count("\nmemory\t"), 2);
    const std::vector<std::uint8_t> before = ImageOf(doc().Working);
    SelectRow(1);
    Answer({MessageAnswer::Ok});
    trigger("mnuPaste");
    EXPECT_EQ(ImageOf(doc().Working), before);
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(Asked[0].Text.en,
              "These rows were not pasted:\nline 2: a CB memory can be pasted only onto a memory "
              "row\nline 3: a CB memory can be pasted only onto a memory row");
    // Onto the memory rows they came from, they change nothing either.
    SelectRow(memoryRow);
    trigger("mnuPaste");
    EXPECT_EQ(ImageOf(doc().Working), before);

    // One memory row pastes onto another memory row as two rows do.
    Asked.clear();
    SelectRow(memoryRow + 1);
    trigger("mnuCopy");
    SelectRow(memoryRow);
    trigger("mnuPaste");
    EXPECT_TRUE(Asked.empty()) << (Asked.empty() ? "" : Asked[0].Text.en);
    EXPECT_EQ(doc().Working.Store.cbMem(1).MemChNo, 2);
    EXPECT_EQ(doc().Working.Store.cbMem(1).RxFreqText.raw(),
              doc().Working.Store.cbMem(2).RxFreqText.raw());
}

TEST_F(SeveralRowsTest, CopiedTextFollowsTheInterfaceLanguage) {
    RadioData data = ExchangeableDocument(29)->Working;
    FillGroup(data, kBandHam, 1, 2);
    data.channel(kBandHam, 1, 1).ScanAdd = 1;
    Load(data, kBandHam, 1);
    state().CurrentLanguage = kLanguageChinese;
    SelectRowsByKeys(1, 2);
    trigger("mnuCopy");
    const QString text = QApplication::clipboard()->text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("信道\t频率\t"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\t添加\t"))) << text.toStdString();
    // The text pastes back in the other language too.
    state().CurrentLanguage = kLanguageEnglish;
    const RadioData kept = doc().Working;
    PutText(text);
    SelectRow(1);
    trigger("mnuPaste");
    EXPECT_TRUE(Asked.empty());
    // The same channels, their stored frequency texts included; the transmit texts are the
    // radio's.
    for (int slot = 1; slot <= 2; ++slot) {
        ChannelRecord expected = kept.channel(kBandHam, slot, 1);
        SetTransmitText(kBandHam, expected, kept.Config.Settings.RepeaterOffset);
        EXPECT_TRUE(doc().Working.channel(kBandHam, slot, 1) == expected) << slot;
    }
}

}  // namespace
}  // namespace kv::test
