// View → Band Map in the running program: the marks drawn where their frequencies lie in the
// colour of their mode, the flagged list and the channel it opens, PNG, SVG and print output.
#include "editors/channels/ui/band_map_window.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>

#include "app/ui/main_window.h"
#include "channel_fixture.h"
#include "editors/channels/ui/band_map_painter.h"
#include "gui/document_editor.h"
#include "model/radio_data.h"

namespace kv::test {
namespace {

class BandMapWindowTest : public ChannelWindowTest {
protected:
    BandMapWindow* mapWindow() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* map = qobject_cast<BandMapWindow*>(widget); map && map->isVisible())
                return map;
        return nullptr;
    }
    // HAM group 2 with three channels: FM in the CW segment (flagged), and two in the all-modes
    // segment; the map opened on it.
    BandMapWindow* OpenOnHamGroupTwo() {
        StartWithBands();
        ShowBandGroup(kBandHam, 2);
        TypeFrequency(1, "28.03");
        TypeFrequency(2, "28.5");
        TypeFrequency(3, "29.0");
        trigger("mnuViewBandMap");
        return mapWindow();
    }
};

TEST_F(BandMapWindowTest, MarksStandAtTheirFrequencyInTheirModesColour) {
    BandMapWindow* map = OpenOnHamGroupTwo();
    ASSERT_NE(map, nullptr);
    const BandMapModel& model = map->Model();
    ASSERT_EQ(model.Band, kBandHam);
    ASSERT_EQ(model.Group, 2);
    ASSERT_EQ(model.Marks.size(), 3u);
    const QSize size(1000, 320);
    const QImage image = map->RenderImage(size);
    const std::vector<MarkPlace> places = MarkPlaces(model, QRectF(QPointF(0, 0), QSizeF(size)));
    ASSERT_EQ(places.size(), 3u);
    // The axis runs from 28.0 MHz at x = 12 to 29.7 MHz at x = 988 (a 12-pixel margin).
    const double expectedX[] = {12 + 976 * 0.03 / 1.7, 12 + 976 * 0.5 / 1.7, 12 + 976 * 1.0 / 1.7};
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_NEAR(places[i].Rx.x(), expectedX[i], 0.5) << i;
        const QPoint dot = places[i].Rx.toPoint();
        EXPECT_EQ(image.pixelColor(dot), ModeColour(model.Marks[i].Mode)) << i;
        // Beside the dot the mark's colour is gone.
        EXPECT_NE(image.pixelColor(dot + QPoint(12, 0)), ModeColour(model.Marks[i].Mode)) << i;
    }
}

TEST_F(BandMapWindowTest, AShiftedTransmitFrequencyIsJoinedToItsMarkAndKeptOnTheMap) {
    StartWithBands();
    ShowBandGroup(kBandHam, 2);
    TypeFrequency(1, "29.62");
    TypeFrequency(2, "28.1");
    // 100 kHz down for channel 1; 1 MHz down for channel 2 lies below the HAM band.
    const int slot1 = FindSlot(doc().Working, kBandHam, 2, 1);
    const int slot2 = FindSlot(doc().Working, kBandHam, 2, 2);
    ASSERT_GT(slot1, 0);
    ASSERT_GT(slot2, 0);
    doc().Working.channel(kBandHam, slot1, 2).RepShift = 2;
    doc().Working.channel(kBandHam, slot2, 2).RepShift = 2;
    doc().settings().RepeaterOffset = 1000;
    trigger("mnuViewBandMap");
    BandMapWindow* map = mapWindow();
    ASSERT_NE(map, nullptr);
    const std::vector<MarkPlace> offset = MarkPlaces(map->Model(), QRectF(0, 0, 1000, 320));
    ASSERT_EQ(offset.size(), 2u);
    // Marks in frequency order: 28.1 (shifted to 28.0), then 29.62 (shifted to 29.52).
    EXPECT_NEAR(offset[0].Tx.x(), 12.0, 0.5);
    EXPECT_NEAR(offset[1].Tx.x(), 12 + 976 * 1.52 / 1.7, 0.5);
    doc().settings().RepeaterOffset = 10000;  // 1 MHz
    main().Editor().Edited({EditSection::Settings});
    const std::vector<MarkPlace> beyond = MarkPlaces(map->Model(), QRectF(0, 0, 1000, 320));
    ASSERT_EQ(beyond.size(), 2u);
    // 27.1 MHz lies below the map: its dot stands at the left edge, not outside the drawing.
    EXPECT_NEAR(beyond[0].Tx.x(), 12.0, 0.5);
    EXPECT_NEAR(beyond[1].Tx.x(), 12 + 976 * 0.62 / 1.7, 0.5);
}

TEST_F(BandMapWindowTest, TheFlaggedChannelIsListedAndOpensInTheChannelWindow) {
    BandMapWindow* map = OpenOnHamGroupTwo();
    ASSERT_NE(map, nullptr);
    auto* flagged = map->findChild<QListWidget*>(QStringLiteral("FlaggedList"));
    ASSERT_NE(flagged, nullptr);
    ASSERT_EQ(flagged->count(), 1);
    EXPECT_EQ(flagged->item(0)->text(), "HAM B CH 1: FM in the CW segment");
    // Elsewhere first, then the flagged line opens HAM group 2, row 1.
    ShowBandGroup(kBandHam, 5);
    emit flagged->itemActivated(flagged->item(0));
    EXPECT_EQ(combo("Combo2")->currentIndex(), kBandHam);
    EXPECT_EQ(combo("Combo6")->currentIndex(), 1);
    EXPECT_EQ(grid()->currentIndex().row(), 0);
    // An edit redraws the map: the channel moved into the all-modes segment is no longer flagged.
    TypeFrequency(1, "28.4");
    EXPECT_EQ(flagged->count(), 0);
}

TEST_F(BandMapWindowTest, KeysWalkTheMarksAndEnterOpensOne) {
    BandMapWindow* map = OpenOnHamGroupTwo();
    ASSERT_NE(map, nullptr);
    auto* view = map->findChild<BandMapView*>(QStringLiteral("BandMapView"));
    ASSERT_NE(view, nullptr);
    ShowBandGroup(kBandHam, 5);
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(view->CurrentMark(), 1);
    QTest::keyClick(view, Qt::Key_Left);
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_EQ(view->CurrentMark(), 2);  // wraps to the last mark
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(combo("Combo6")->currentIndex(), 1);
    EXPECT_EQ(grid()->currentIndex().row(), 2);
}

TEST_F(BandMapWindowTest, ExportsPngAndSvgAndPrints) {
    BandMapWindow* map = OpenOnHamGroupTwo();
    ASSERT_NE(map, nullptr);
    const QString png = dir_.filePath(QStringLiteral("map.png"));
    const QString svg = dir_.filePath(QStringLiteral("map.svg"));
    chooser_->Answers = {png, svg};
    map->ExportPng();
    map->ExportSvg();
    QImage picture;
    ASSERT_TRUE(picture.load(png));
    EXPECT_EQ(picture.size(), QSize(1400, 420));
    QFile drawing(svg);
    ASSERT_TRUE(drawing.open(QIODevice::ReadOnly));
    const QByteArray text = drawing.readAll();
    EXPECT_TRUE(text.contains("<svg")) << text.left(200).toStdString();
    EXPECT_TRUE(text.contains("Band Map"));

    const QString pdf = dir_.filePath(QStringLiteral("map.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    map->PrintOn(printer);
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5).startsWith("%PDF"));
}

TEST_F(BandMapWindowTest, ChineseTextsAndRegionChoice) {
    BandMapWindow* map = OpenOnHamGroupTwo();
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->windowTitle(), "Band Map");
    // A language chosen while the map is open shows when it is next activated.
    state().CurrentLanguage = kLanguageChinese;
    QEvent activated(QEvent::ActivationChange);
    QApplication::sendEvent(map, &activated);
    EXPECT_EQ(map->windowTitle(), "频段图");
    auto* flagged = map->findChild<QListWidget*>(QStringLiteral("FlaggedList"));
    ASSERT_EQ(flagged->count(), 1);
    EXPECT_EQ(flagged->item(0)->text(), "HAM B 信道 1：FM 位于CW段");
    auto* region = map->findChild<QComboBox*>(QStringLiteral("RegionBox"));
    ASSERT_EQ(region->count(), 3);
    EXPECT_EQ(region->itemText(2), "IARU 第三区");
    Pick(region, 2);
    EXPECT_EQ(map->Model().Region, IaruRegion::Region3);
}

}  // namespace
}  // namespace kv::test
