// The weather window on a real main window: editing grid cells with the mouse and keyboard,
// refused input, every way a pending cell is committed, the current-channel list, and the
// weather channels surviving a write to and a read from the simulated radio.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "app/shared_messages.h"
#include "editors/blocks/weather_texts.h"
#include "gui/editors/blocks/blocks_fixture.h"

namespace kv::blockstest {
namespace {

class WeatherWindowTest : public SpecialWindowTest {
protected:
    WeatherWindowTest() {
        auto& channels = doc_->settings().WeatherChannels;
        channels[0] = {1, 162.4, 1, 0, 1};    // channel 1
        channels[3] = {1, 162.475, 0, 0, 0};  // channel 4
        channels[2].WxScan = 1;               // channel 3 not in use, scan "Add" remembered
        channels[40] = {1, 150.0, 0, 1, 0};   // VFO
        doc_->settings().WxCurrentChannel = 3;
        doc_->settings().WxStep = 4;
    }

    QWidget* Open() {
        window_ = OpenFromTree("Weather Channel", kWeatherWindow);
        EXPECT_NE(window_, nullptr);
        grid_ = Child<QTableView>(window_, QStringLiteral("MSFlexGrid1"));
        text1_ = Child<QLineEdit>(window_, QStringLiteral("Text1"));
        return window_;
    }
    QString Cell(int channel, int column) const {
        return grid_->model()->index(channel - 1, column).data().toString();
    }
    QPoint CellCentre(int channel, int column) const {
        const QModelIndex index = grid_->model()->index(channel - 1, column);
        grid_->scrollTo(index);
        return grid_->visualRect(index).center();
    }
    // A double click as the window system delivers it: press, release, double click, release.
    void DoubleClick(int channel, int column) {
        const QPoint at = CellCentre(channel, column);
        QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid_->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(grid_->viewport(), Qt::LeftButton, {}, at);
    }
    void ClickGrid(int channel, int column) {
        QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {}, CellCentre(channel, column));
    }
    // Double-clicks the frequency cell and types `text` over the selected cell text.
    void Type(int channel, const QString& text) {
        DoubleClick(channel, 1);
        ASSERT_TRUE(text1_->isVisible());
        ASSERT_EQ(text1_->selectedText(), text1_->text());
        QTest::keyClick(text1_, Qt::Key_Delete);
        QTest::keyClicks(text1_, text);
    }
    QStringList CurrentList() { return Items(Child(window_, QStringLiteral("Combo1"))); }
    const WeatherRecord& Channel(int n) const { return doc_->settings().WeatherChannels[n - 1]; }

    QWidget* window_ = nullptr;
    QTableView* grid_ = nullptr;
    QLineEdit* text1_ = nullptr;
};

TEST_F(WeatherWindowTest, ShowsTheGridAndTheSettings) {
    Open();
    EXPECT_EQ(window_->windowTitle(), "Weather Channel");
    EXPECT_EQ(grid_->model()->rowCount(), 41);
    EXPECT_EQ(grid_->model()->columnCount(), 5);
    EXPECT_TRUE(grid_->isColumnHidden(2));
    const QStringList headers = {"CH No.", "Frequency", "", "W/N", "Scan"};
    for (int column = 0; column < headers.size(); ++column)
        EXPECT_EQ(grid_->model()->headerData(column, Qt::Horizontal).toString(), headers[column]);
    EXPECT_EQ(Cell(1, 0), "1");
    EXPECT_EQ(Cell(41, 0), "VFO");
    EXPECT_EQ(Cell(1, 1), "162.40000");
    EXPECT_EQ(Cell(1, 3), "Narrow");
    EXPECT_EQ(Cell(1, 4), "Add");
    EXPECT_EQ(Cell(3, 1), "");
    EXPECT_EQ(Cell(3, 4), "");
    EXPECT_EQ(CurrentList(), (QStringList{"1", "4"}));
    EXPECT_EQ(Child(window_, QStringLiteral("Combo1"))->currentText(), "4");
    EXPECT_EQ(Child(window_, QStringLiteral("Combo8"))->currentText(), "10KHz");
    EXPECT_EQ(Child<QLabel>(window_, QStringLiteral("Label5"))->text(), "Step");
    EXPECT_EQ(Child<QPushButton>(window_, QStringLiteral("CommandClose"))->text(),
              QString::fromStdString(SharedMessages().CloseButton.en));
    EXPECT_FALSE(text1_->isVisible());
}

TEST_F(WeatherWindowTest, TypingAFrequencyCreatesTheChannel) {
    Open();
    QSignalSpy edits(&main(), &MainWindow::documentEdited);
    Type(3, QStringLiteral("162.55"));
    QTest::keyClick(text1_, Qt::Key_Return);
    EXPECT_FALSE(text1_->isVisible());
    EXPECT_EQ(Channel(3).WxInUse, 1);
    EXPECT_DOUBLE_EQ(Channel(3).WxFrequency, 162.55);
    EXPECT_EQ(Channel(3).WxBandwidth, 1);
    EXPECT_EQ(Channel(3).WxOption, 0);
    EXPECT_EQ(Cell(3, 1), "162.55000");
    EXPECT_EQ(Cell(3, 3), "Wide");
    EXPECT_EQ(Cell(3, 4), "Add");  // the scan state it had
    EXPECT_EQ(CurrentList(), (QStringList{"1", "3", "4"}));
    EXPECT_EQ(Child(window_, QStringLiteral("Combo1"))->currentText(), "4");
    ASSERT_EQ(edits.count(), 1);
    EXPECT_EQ(edits[0][0].value<DocumentEdit>().Section, EditSection::Weather);
}

TEST_F(WeatherWindowTest, FrequenciesAreClampedAndPutOnARaster) {
    Open();
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"162.5525", "162.55000"},
        {"162.55625", "162.55625"},
        {"100", "136.00000"},
        {"200", "174.00000"},
    };
    for (const auto& c : cases) {
        Type(5, QString::fromLatin1(c.typed));
        QTest::keyClick(text1_, Qt::Key_Enter);
        EXPECT_EQ(Cell(5, 1), c.shown) << c.typed;
    }
}

TEST_F(WeatherWindowTest, ChangingAnExistingChannelKeepsItsBandwidthAndOption) {
    Open();
    Type(1, QStringLiteral("162.525"));
    QTest::keyClick(text1_, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(Channel(1).WxFrequency, 162.525);
    EXPECT_EQ(Channel(1).WxBandwidth, 0);
    EXPECT_EQ(Channel(1).WxOption, 1);
}

TEST_F(WeatherWindowTest, ClearingRemovesAndTheCurrentChannelStays) {
    Open();
    QSignalSpy edits(&main(), &MainWindow::documentEdited);
    for (int channel : {1, 4}) {
        Type(channel, QString());
        QTest::keyClick(text1_, Qt::Key_Return);
        EXPECT_EQ(Channel(channel).WxInUse, 0);
        EXPECT_EQ(Cell(channel, 1), "");
    }
    EXPECT_EQ(edits.count(), 2);
    EXPECT_TRUE(CurrentList().isEmpty());
    EXPECT_EQ(doc_->settings().WxCurrentChannel, 3);
}

TEST_F(WeatherWindowTest, TheVfoIsNeverACurrentChannel) {
    Open();
    Type(41, QStringLiteral("151.5"));
    QTest::keyClick(text1_, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(Channel(41).WxFrequency, 151.5);
    EXPECT_EQ(Cell(41, 1), "151.50000");
    EXPECT_EQ(CurrentList(), (QStringList{"1", "4"}));
}

// Letters, pasting and characters outside ASCII do not get into the box; text that arrives
// some other way (dropped, from an input method) is refused when committed, with a message.
TEST_F(WeatherWindowTest, WrongInputIsKeptOutOrRefused) {
    Open();
    DoubleClick(4, 1);
    QTest::keyClick(text1_, Qt::Key_Delete);
    QTest::keyClicks(text1_, QStringLiteral("16a2,5x"));
    EXPECT_EQ(text1_->text(), "1625");
    QApplication::clipboard()->setText(QStringLiteral("150"));
    QTest::keyClick(text1_, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(text1_, Qt::Key_Insert, Qt::ShiftModifier);
    QKeyEvent accented(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("é"));
    QApplication::sendEvent(text1_, &accented);
    EXPECT_EQ(text1_->text(), "1625");
    EXPECT_EQ(text1_->contextMenuPolicy(), Qt::NoContextMenu);

    text1_->setText(QStringLiteral("16.2.5"));
    QTest::keyClick(text1_, Qt::Key_Return);
    EXPECT_EQ(CountShown(WeatherFreqNotNumberText()), 1);
    EXPECT_EQ(Channel(4).WxInUse, 1);
    EXPECT_DOUBLE_EQ(Channel(4).WxFrequency, 162.475);
    EXPECT_EQ(Cell(4, 1), "162.47500");
    EXPECT_FALSE(text1_->isVisible());

    DoubleClick(4, 1);
    text1_->insert(QStringLiteral("１６２"));  // full-width digits from an input method
    QTest::keyClick(text1_, Qt::Key_Return);
    EXPECT_EQ(CountShown(WeatherFreqNotNumberText()), 2);
    EXPECT_DOUBLE_EQ(Channel(4).WxFrequency, 162.475);
}

TEST_F(WeatherWindowTest, ColumnListsStoreOnAPick) {
    Open();
    DoubleClick(1, 3);
    auto* bandwidth = Child(window_, QStringLiteral("Combo3"));
    ASSERT_TRUE(bandwidth->isVisible());
    EXPECT_EQ(bandwidth->currentText(), "Narrow");
    Pick(bandwidth, "Wide");
    EXPECT_FALSE(bandwidth->isVisible());
    EXPECT_EQ(Channel(1).WxBandwidth, 1);
    EXPECT_EQ(Cell(1, 3), "Wide");

    DoubleClick(1, 4);
    auto* scan = Child(window_, QStringLiteral("Combo4"));
    ASSERT_TRUE(scan->isVisible());
    Pick(scan, "Del");
    EXPECT_FALSE(scan->isVisible());
    EXPECT_EQ(Channel(1).WxScan, 0);
    EXPECT_EQ(Cell(1, 4), "Del");

    // Showing a list over a cell and leaving it stores nothing.
    const WeatherRecord before = Channel(4);
    DoubleClick(4, 4);
    ClickGrid(10, 1);
    EXPECT_EQ(Channel(4), before);
}

enum class Leaving {
    GridClick,
    CurrentListFocus,
    CloseButton,
    CloseBox,
    CloseAll,
    FinishEdits,
    FinishEditsMinimised
};

class WeatherLeavingTest : public WeatherWindowTest, public ::testing::WithParamInterface<Leaving> {
protected:
    void Leave() {
        switch (GetParam()) {
            case Leaving::GridClick:
                ClickGrid(12, 1);
                break;
            case Leaving::CurrentListFocus: {
                QApplication::setActiveWindow(&main());
                QComboBox* list = Child(window_, QStringLiteral("Combo1"));
                list->setFocus(Qt::TabFocusReason);
                EXPECT_TRUE(QTest::qWaitFor([list] { return list->hasFocus(); }, 2000));
                break;
            }
            case Leaving::CloseButton:
                QTest::mouseClick(Child<QPushButton>(window_, QStringLiteral("CommandClose")),
                                  Qt::LeftButton);
                break;
            case Leaving::CloseBox:
                CloseFrame(window_);
                break;
            case Leaving::CloseAll:
                main().CloseAllEditors();
                break;
            case Leaving::FinishEdits:
                main().FinishEdits();
                break;
            case Leaving::FinishEditsMinimised:
                window_->parentWidget()->showMinimized();
                main().FinishEdits();
                break;
        }
    }
};

// A frequency typed but not entered is committed whichever way the user leaves the cell.
TEST_P(WeatherLeavingTest, CommitsThePendingCell) {
    Open();
    Type(7, QStringLiteral("163.275"));
    Leave();
    EXPECT_EQ(Channel(7).WxInUse, 1);
    EXPECT_DOUBLE_EQ(Channel(7).WxFrequency, 163.275);
}

INSTANTIATE_TEST_SUITE_P(Ways, WeatherLeavingTest,
                         ::testing::Values(Leaving::GridClick, Leaving::CurrentListFocus,
                                           Leaving::CloseButton, Leaving::CloseBox,
                                           Leaving::CloseAll, Leaving::FinishEdits,
                                           Leaving::FinishEditsMinimised));

TEST_F(WeatherWindowTest, SettingsListsStoreTheirPositions) {
    Open();
    Pick(Child(window_, QStringLiteral("Combo10")), "ON");
    Pick(Child(window_, QStringLiteral("Combo8")), "6.25KHz");
    Pick(Child(window_, QStringLiteral("Combo9")), "7");
    Pick(Child(window_, QStringLiteral("Combo1")), "1");
    EXPECT_EQ(doc_->settings().WxOnOff, 1);
    EXPECT_EQ(doc_->settings().WxStep, 3);
    EXPECT_EQ(doc_->settings().WxSql, 7);
    EXPECT_EQ(doc_->settings().WxCurrentChannel, 0);
}

// Values no list has are shown as themselves and kept.
TEST_F(WeatherWindowTest, OpeningChangesNothing) {
    doc_->settings().WxStep = 12;
    doc_->settings().WxCurrentChannel = 30;
    doc_->settings().WeatherChannels[5] = {1, 140.0, 0, 5, 7};
    const auto before = std::make_unique<RadioData>(doc_->Working);
    Open();
    EXPECT_EQ(Child(window_, QStringLiteral("Combo8"))->currentText(), "12 (not in the list)");
    EXPECT_EQ(Child(window_, QStringLiteral("Combo1"))->currentText(), "CH 31 (not in use)");
    DoubleClick(6, 3);
    ClickGrid(6, 1);
    CloseFrame(window_);
    EXPECT_EQ(doc_->Working.Config, before->Config);
}

TEST_F(WeatherWindowTest, ChineseTexts) {
    state_.CurrentLanguage = kLanguageChinese;
    Open();
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("气象信道"));
    EXPECT_EQ(grid_->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("信道"));
    EXPECT_EQ(Cell(1, 3), QStringLiteral("窄带"));
    EXPECT_EQ(Child(window_, QStringLiteral("Combo10"))->itemText(1), QStringLiteral("开"));
    EXPECT_EQ(Child<QLabel>(window_, QStringLiteral("Label1"))->text(),
              QStringLiteral("当前气象信道"));
}

// The channels typed in the window reach the radio and come back from it. The last entry is
// still being typed when Write is chosen.
TEST_F(WeatherWindowTest, SurvivesWriteAndRead) {
    ASSERT_TRUE(StartRadio(test::PatternImage(4)));
    Open();
    Type(3, QStringLiteral("162.55"));
    QTest::keyClick(text1_, Qt::Key_Return);
    Type(41, QStringLiteral("171.00625"));
    Type(4, QString());
    QTest::keyClick(text1_, Qt::Key_Return);
    Type(12, QStringLiteral("145.1"));

    Trigger("mnuWriteToRadio");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return CountShown(SharedMessages().WriteCompleted) > 0; }, 60000));
    const auto written = doc_->settings().WeatherChannels;
    EXPECT_EQ(Channel(12).WxInUse, 1);

    doc_->settings().WeatherChannels = {};
    Trigger("mnuReadFromRadio");
    ASSERT_EQ(CountShown(SharedMessages().ReadCompleted), 1);
    for (int n : {1, 3, 12, 41}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(Channel(n).WxInUse, 1);
        EXPECT_DOUBLE_EQ(Channel(n).WxFrequency, written[n - 1].WxFrequency);
        EXPECT_EQ(Channel(n).WxBandwidth, written[n - 1].WxBandwidth);
    }
    EXPECT_DOUBLE_EQ(Channel(3).WxFrequency, 162.55);
    EXPECT_DOUBLE_EQ(Channel(41).WxFrequency, 171.00625);
    EXPECT_DOUBLE_EQ(Channel(12).WxFrequency, 145.1);
    EXPECT_EQ(Channel(4).WxInUse, 0);
    EXPECT_EQ(Channel(1).WxScan, 1);
}

}  // namespace
}  // namespace kv::blockstest
