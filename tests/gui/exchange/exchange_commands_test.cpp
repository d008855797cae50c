// File → Export Channels…, Import Channels… and Compare With File… in the running application
// with its real channel window, real data files and CSV files in a scratch folder; the file
// windows, the group choice, the preview and the message boxes answered by the test.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>
#include <deque>
#include <functional>
#include <random>

#include "app/ui/main_window.h"
#include "editors/settings/settings_rows.h"
#include "exchange/channel_import.h"
#include "exchange/import_texts.h"
#include "exchange/ui/compare_window.h"
#include "files/data_file.h"
#include "gui/document_editor.h"
#include "gui/editors/channels/channel_fixture.h"
#include "unit/exchange/exchangeable_document.h"

namespace kv::test {
namespace {

// Answers the modal windows the test expects, in order, each by its object name.
class DialogScript {
public:
    using Handler = std::function<void(QDialog&)>;

    DialogScript() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }
    ~DialogScript() { EXPECT_TRUE(steps_.empty()) << steps_.front().first << " was not shown"; }

    void Then(const char* name, Handler handler) { steps_.emplace_back(name, std::move(handler)); }

private:
    void poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || steps_.empty()) return;
        auto [name, handler] = std::move(steps_.front());
        steps_.pop_front();
        EXPECT_EQ(dialog->objectName().toStdString(), name);
        handler(*dialog);
        // Whatever the handler did, the window must not stay open and hold the test.
        if (dialog->isVisible()) dialog->reject();
    }

    QTimer timer_;
    std::deque<std::pair<std::string, Handler>> steps_;
};

void Accept(QDialog& dialog) {
    dialog.accept();
}

void Reject(QDialog& dialog) {
    dialog.reject();
}

QStringList ListTexts(const QDialog& dialog, const char* name) {
    QStringList texts;
    const auto* list = dialog.findChild<QListWidget*>(QString::fromLatin1(name));
    EXPECT_NE(list, nullptr) << name;
    if (list != nullptr)
        for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
    return texts;
}

// The bytes of the data file pair a document saves to.
QByteArray PairBytes(const Document& doc, const QString& path) {
    Document copy = doc;
    EXPECT_TRUE(SaveDataFile(copy, path.toStdString()).ok());
    QByteArray bytes;
    for (const QString& name :
         {path, QString(path).replace(QStringLiteral(".dat"), QStringLiteral(".fre"))}) {
        QFile file(name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        bytes += file.readAll();
    }
    return bytes;
}

// A file of the common open format written by hand: lines 2, 3 and 8 go in, 4 to 7 are refused.
constexpr const char* kCommonCsv =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode,"
    "TStep,Skip,Comment\n"
    "1,Rpt,29.620000,-,0.100000,Tone,88.5,88.5,023,NN,FM,5.00,,club\n"
    "2,Simplex,29.600000,,0.000000,,88.5,88.5,023,NN,AM,5.00,,\n"
    "3,Off,29.610000,off,0.000000,,88.5,88.5,023,NN,FM,5.00,,\n"
    "4,Digital,29.630000,,0.000000,,88.5,88.5,023,NN,DV,5.00,,\n"
    "5,Odd tone,29.640000,,0.000000,Tone,89.0,88.5,023,NN,FM,5.00,,\n"
    "6,Far away,145.500000,,0.000000,,88.5,88.5,023,NN,FM,5.00,,\n"
    "7,Split,29.650000,split,29.550000,TSQL,88.5,100.0,023,NN,USB,5.00,,\n";

class ExchangeTest : public ChannelWindowTest {
protected:
    void SetUp() override {
        ChannelWindowTest::SetUp();
        InstallVersionTable();
        StartWithBands();
    }

    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    void WriteFile(const QString& name, const QByteArray& bytes) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    // Makes `data` the working document, as Open does: the history starts again.
    void Load(const RadioData& data) {
        doc().Working = data;
        main().Editor().Reset();
    }

    // Runs File → Export Channels… into `file`: the own format, or the common format of a group.
    void Export(const QString& file, std::optional<ImportTarget> common = std::nullopt) {
        DialogScript script;
        script.Then("ExportFormatDialog", [&](QDialog& dialog) {
            if (common) {
                dialog.findChild<QRadioButton*>(QStringLiteral("ExportCommonFormat"))->click();
                auto* band = dialog.findChild<QComboBox*>(QStringLiteral("TargetBand"));
                band->setCurrentIndex(band->findData(common->Band));
                auto* group = dialog.findChild<QComboBox*>(QStringLiteral("TargetGroup"));
                group->setCurrentIndex(group->findData(common->Group));
            }
            dialog.accept();
        });
        chooser_->Answers.push_back(file);
        trigger("mnuFileExportChannels");
    }

    // Runs the import of `file`; the dialogs are answered by `script`.
    void Import(const QString& file) {
        chooser_->Answers.push_back(file);
        trigger("mnuFileImportChannels");
    }

    CompareWindow* Compare(const QString& file) {
        chooser_->Answers.push_back(file);
        trigger("mnuFileCompare");
        CompareWindow* window = OpenCompareWindow();
        EXPECT_NE(window, nullptr);
        return window;
    }

    static CompareWindow* OpenCompareWindow() {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<CompareWindow*>(widget); window && window->isVisible())
                return window;
        return nullptr;
    }

    static QStringList Lines(CompareWindow& window) {
        QStringList lines;
        auto* list = window.findChild<QListWidget*>(QStringLiteral("DifferenceList"));
        for (int row = 0; row < list->count(); ++row) lines << list->item(row)->text();
        return lines;
    }

    const RadioData& working() { return doc().Working; }
};

TEST_F(ExchangeTest, ExportThenImportIntoAnEmptyDocumentComparesEqual) {
    for (const unsigned seed : {11u, 12u}) {
        const auto original = ExchangeableDocument(seed);
        Load(original->Working);
        // Saved as File → Save does, which stamps the identity and version mark.
        ASSERT_TRUE(SaveDataFile(doc(), path("original.dat").toStdString()).ok());
        const QByteArray before = PairBytes(doc(), path("saved.dat"));

        Export(path("channels.csv"));
        EXPECT_TRUE(chooser_->Calls.back().Save);
        EXPECT_EQ(chooser_->Calls.back().Filter, QStringLiteral("CSV File (*.csv)"));
        EXPECT_EQ(chooser_->Calls.back().Title, QStringLiteral("Export Channels"));
        QFile csv(path("channels.csv"));
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        EXPECT_TRUE(
            csv.readAll().startsWith("\xEF\xBB\xBF"
                                     "Band,Group,Group Name,CH No.,RX MHz,TX MHz,"));
        // Exporting is no edit.
        EXPECT_EQ(PairBytes(doc(), path("after_export.dat")), before);
        EXPECT_FALSE(main().Editor().CanUndo());

        RadioData empty = working();
        ClearChannels(empty);
        for (int band = 0; band < kBandCount; ++band)
            for (int group = 1; group <= kRegularGroupsPerBand[band]; ++group)
                empty.Config.Settings.GroupName(band, group).assign("");
        Load(empty);

        int listed = 0;
        {
            DialogScript script;
            script.Then("ImportPreviewDialog", [&](QDialog& preview) {
                EXPECT_TRUE(ListTexts(preview, "PreviewRefused").isEmpty());
                listed = preview.findChild<QTreeWidget*>(QStringLiteral("PreviewChannels"))
                             ->topLevelItemCount();
                preview.accept();
            });
            Import(path("channels.csv"));
        }
        EXPECT_GT(listed, 0);
        EXPECT_EQ(main().Editor().UndoCount(), 1);

        main().resize(main().minimumSizeHint().expandedTo(QSize(560, 380)));
        CompareWindow* window = Compare(path("original.dat"));
        ASSERT_NE(window, nullptr);
        // The window lies within the main window, however small that is.
        EXPECT_TRUE(main().geometry().contains(window->geometry()))
            << window->geometry().x() << "," << window->geometry().y() << " "
            << window->width() << "x" << window->height() << " in " << main().width() << "x"
            << main().height();
        EXPECT_EQ(Lines(*window), QStringList()) << "seed " << seed;
        EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("CompareSummary"))->text(),
                  QStringLiteral("This document and original.dat are equal."));
        window->close();
        FlushDeletes();
    }
}

TEST_F(ExchangeTest, CommonFormatGoesIntoThePickedGroupAndThePreviewNamesWhatIsLeftOut) {
    WriteFile(path("common.csv"), kCommonCsv);
    const struct {
        int Language;
        const char* FirstRefused;
        const char* Added;
    } cases[] = {
        {kLanguageEnglish, "line 4: Duplex \"off\"", "added"},
        {kLanguageChinese, "第 4 行：", "添加"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Language);
        RadioData data = working();
        data.channelCount(kBandHam, 4) = 0;
        data.Config.Settings.RepeaterOffset = 1000;  // the file's repeaters shift by 0.1 MHz
        Load(data);
        state().CurrentLanguage = c.Language;

        QStringList refused;
        QString dropped;
        QString numbering;
        QStringList changes;
        {
            DialogScript script;
            script.Then("ImportTargetDialog", [](QDialog& target) {
                auto* band = target.findChild<QComboBox*>(QStringLiteral("TargetBand"));
                band->setCurrentIndex(band->findText(QStringLiteral("HAM")));
                auto* group = target.findChild<QComboBox*>(QStringLiteral("TargetGroup"));
                group->setCurrentIndex(group->findData(4));
                target.accept();
            });
            script.Then("ImportPreviewDialog", [&](QDialog& preview) {
                refused = ListTexts(preview, "PreviewRefused");
                dropped = preview.findChild<QLabel*>(QStringLiteral("PreviewDropped"))->text();
                numbering = preview.findChild<QLabel*>(QStringLiteral("PreviewNumbering"))->text();
                const auto* tree =
                    preview.findChild<QTreeWidget*>(QStringLiteral("PreviewChannels"));
                for (int row = 0; row < tree->topLevelItemCount(); ++row)
                    changes << tree->topLevelItem(row)->text(0) + QLatin1Char(' ') +
                                   tree->topLevelItem(row)->text(2);
                preview.accept();
            });
            Import(path("common.csv"));
        }
        ASSERT_EQ(refused.size(), 4) << refused.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(refused[0].startsWith(QString::fromUtf8(c.FirstRefused)))
            << refused[0].toStdString();
        for (int n = 1; n < 4; ++n)
            EXPECT_TRUE(refused[n].contains(QString::number(n + 4))) << refused[n].toStdString();
        EXPECT_EQ(dropped, QStringLiteral("Name, TStep, Comment"));
        EXPECT_EQ(numbering.toStdString(), NumberingText(false).in(c.Language));
        const QString added = QString::fromUtf8(c.Added);
        EXPECT_EQ(changes, (QStringList{QStringLiteral("2 ") + added, QStringLiteral("3 ") + added,
                                        QStringLiteral("8 ") + added}));

        // Lines 2, 3 and 8 are channels 1, 2 and 7 of HAM group 4, as an export shows them: the
        // transmit column is what the radio makes of REP and TX.REP.
        ASSERT_EQ(working().channelCount(kBandHam, 4), 3);
        Export(path("check.csv"));
        QFile check(path("check.csv"));
        ASSERT_TRUE(check.open(QIODevice::ReadOnly));
        const QString exported = QString::fromUtf8(check.readAll());
        for (const char* row :
             {"1,29.620000,29.520000,", "2,29.600000,29.600000,", "7,29.650000,29.550000,"}) {
            const QRegularExpression line(QStringLiteral("\\nHAM,4,[^,]*,") +
                                          QRegularExpression::escape(QString::fromLatin1(row)));
            EXPECT_TRUE(line.match(exported).hasMatch()) << row << "\n" << exported.toStdString();
        }
    }
}

// Repeaters the other program saved, shifted by 0.1 MHz, into a document whose TX.REP is 0.01 MHz:
// the preview names the shift and offers TX.REP; taken, the preview is made again and the import
// sets TX.REP in the same undo step. The group then goes out in the common format.
TEST_F(ExchangeTest, TheRepeaterOffsetOfferIsTakenInOneStepAndTheGroupExportsInTheCommonFormat) {
    RadioData data = working();
    data.Config.Settings.RepeaterOffset = 100;
    data.channelCount(kBandHam, 2) = 0;
    Load(data);
    const QByteArray before = PairBytes(doc(), path("before.dat"));
    const QString repeaters =
        QStringLiteral(KV_TEST_DATA_DIR "/other_program/other_program_repeaters.csv");
    const auto toHam2 = [](QDialog& target) {
        auto* band = target.findChild<QComboBox*>(QStringLiteral("TargetBand"));
        band->setCurrentIndex(band->findData(kBandHam));
        auto* group = target.findChild<QComboBox*>(QStringLiteral("TargetGroup"));
        group->setCurrentIndex(group->findData(2));
        target.accept();
    };
    const auto click = [](QDialog& dialog, const char* name) {
        auto* button = dialog.findChild<QPushButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    };

    // In Chinese the offer is named in Chinese; cancelled, nothing changes.
    state().CurrentLanguage = kLanguageChinese;
    QString chinese;
    {
        DialogScript script;
        script.Then("ImportTargetDialog", toHam2);
        script.Then("ImportPreviewDialog", [&](QDialog& preview) {
            chinese = preview.findChild<QLabel*>(QStringLiteral("PreviewRepeaterOffset"))->text();
            preview.reject();
        });
        Import(repeaters);
    }
    EXPECT_TRUE(chinese.contains(QStringLiteral("将 TX.REP 设为 0.1000 MHz")))
        << chinese.toStdString();
    EXPECT_EQ(PairBytes(doc(), path("cancelled.dat")), before);

    state().CurrentLanguage = kLanguageEnglish;
    QString offered, taken;
    QStringList refusedFirst, refusedThen;
    {
        DialogScript script;
        script.Then("ImportTargetDialog", toHam2);
        script.Then("ImportPreviewDialog", [&](QDialog& preview) {
            offered = preview.findChild<QLabel*>(QStringLiteral("PreviewRepeaterOffset"))->text();
            refusedFirst = ListTexts(preview, "PreviewRefused");
            click(preview, "PreviewTakeRepeaterOffset");
        });
        script.Then("ImportPreviewDialog", [&](QDialog& preview) {
            taken = preview.findChild<QLabel*>(QStringLiteral("PreviewRepeaterOffset"))->text();
            refusedThen = ListTexts(preview, "PreviewRefused");
            EXPECT_NE(preview.findChild<QPushButton*>(QStringLiteral("PreviewKeepRepeaterOffset")),
                      nullptr);
            preview.accept();
        });
        Import(repeaters);
    }
    EXPECT_TRUE(offered.startsWith(QStringLiteral(
        "3 line(s) shift the transmit frequency by 0.1000 MHz; the radio shifts every repeater "
        "channel by its TX.REP of 0.0100 MHz")))
        << offered.toStdString();
    EXPECT_EQ(refusedFirst.size(), 3);
    EXPECT_TRUE(
        taken.startsWith(QStringLiteral("TX.REP will be set to 0.1000 MHz (now 0.0100 MHz)")))
        << taken.toStdString();
    EXPECT_TRUE(refusedThen.isEmpty());
    EXPECT_EQ(working().Config.Settings.RepeaterOffset, 1000);
    EXPECT_EQ(working().channelCount(kBandHam, 2), 4);

    Export(path("common.csv"), ImportTarget{kBandHam, 2});
    QFile common(path("common.csv"));
    ASSERT_TRUE(common.open(QIODevice::ReadOnly));
    const QByteArray written = common.readAll();
    EXPECT_TRUE(written.startsWith("Location,Name,Frequency,Duplex,Offset,"));
    EXPECT_TRUE(written.contains("\r\n1,,29.620000,-,0.100000,Tone,88.5,"))
        << written.toStdString();

    // One step back gives the document as it was, TX.REP with it.
    main().Editor().Undo();
    EXPECT_EQ(PairBytes(doc(), path("undone.dat")), before);
}

// A group name longer than its two-character field is stored cut, and the preview says so in the
// interface's language.
TEST_F(ExchangeTest, ThePreviewNamesAGroupNameCutToItsField) {
    WriteFile(path("names.csv"), "Band,Group,Group Name,CH No.\r\nHF,2,ABC,\r\n");
    const struct {
        int Language;
        const char* Shown;
    } cases[] = {
        {kLanguageEnglish, "group name \"AB\" (\"ABC\" cut to 2 characters)"},
        {kLanguageChinese, "组名“AB”（“ABC”被截为 2 个字符）"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Language);
        state().CurrentLanguage = c.Language;
        RadioData data = working();
        data.Config.Settings.GroupName(kBandHf, 2).assign("ZZ");
        Load(data);
        QStringList changes;
        {
            DialogScript script;
            script.Then("ImportPreviewDialog", [&](QDialog& preview) {
                const auto* tree =
                    preview.findChild<QTreeWidget*>(QStringLiteral("PreviewChannels"));
                for (int row = 0; row < tree->topLevelItemCount(); ++row)
                    changes << tree->topLevelItem(row)->text(1) + QLatin1Char(' ') +
                                   tree->topLevelItem(row)->text(2);
                preview.accept();
            });
            Import(path("names.csv"));
        }
        EXPECT_EQ(changes, QStringList{QStringLiteral("HF 2 ") + QString::fromUtf8(c.Shown)});
        EXPECT_EQ(working().Config.Settings.GroupName(kBandHf, 2).trimmed(), "AB");
    }
}

TEST_F(ExchangeTest, CancelAtEveryStepChangesNothing) {
    WriteFile(path("common.csv"), kCommonCsv);
    const auto original = ExchangeableDocument(21);
    Load(original->Working);
    Export(path("own.csv"));
    RadioData changed = original->Working;
    ClearChannels(changed);
    Load(changed);
    const QByteArray before = PairBytes(doc(), path("before.dat"));

    const struct {
        const char* File;  // nullptr: the file window is cancelled
        std::vector<std::pair<const char*, DialogScript::Handler>> Steps;
    } cases[] = {
        {nullptr, {}},
        {"common.csv", {{"ImportTargetDialog", Reject}}},
        {"common.csv", {{"ImportTargetDialog", Accept}, {"ImportPreviewDialog", Reject}}},
        {"own.csv", {{"ImportPreviewDialog", Reject}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File ? c.File : "no file");
        {
            DialogScript script;
            for (const auto& [name, handler] : c.Steps) script.Then(name, handler);
            if (c.File == nullptr)
                chooser_->Answers.push_back(std::nullopt);
            else
                chooser_->Answers.push_back(path(c.File));
            trigger("mnuFileImportChannels");
        }
        EXPECT_EQ(PairBytes(doc(), path("after.dat")), before);
        EXPECT_FALSE(main().Editor().CanUndo());
    }
}

TEST_F(ExchangeTest, AnImportUndoesInOneStepToTheSameBytes) {
    const auto source = ExchangeableDocument(31);
    Load(source->Working);
    Export(path("own.csv"));

    const auto target = ExchangeableDocument(32);
    Load(target->Working);
    const QByteArray before = PairBytes(doc(), path("before.dat"));
    {
        DialogScript script;
        script.Then("ImportPreviewDialog", Accept);
        Import(path("own.csv"));
    }
    const QByteArray imported = PairBytes(doc(), path("imported.dat"));
    ASSERT_NE(imported, before);
    EXPECT_EQ(main().Editor().UndoCount(), 1);

    trigger("mnuUndo");
    EXPECT_EQ(PairBytes(doc(), path("undone.dat")), before);
    EXPECT_FALSE(main().Editor().CanUndo());
    trigger("mnuRedo");
    EXPECT_EQ(PairBytes(doc(), path("redone.dat")), imported);
}

TEST_F(ExchangeTest, DoubleClickingADifferenceOpensTheWindowThatShowsIt) {
    RadioData a = working();
    a.Store.cbMem(70).MemBand = 1;  // the block shared by groups 5 and 7, here group 7
    const QByteArray saved = PairBytes(doc(), path("a.dat"));
    ASSERT_FALSE(saved.isEmpty());
    RadioData b = a;
    // Channel 5 of HF group 3 only in B.
    const int slot = ++b.channelCount(kBandHf, 3);
    b.channel(kBandHf, slot, 3) = b.channel(kBandHf, 1, 3);
    b.channel(kBandHf, slot, 3).ChNo = 5;
    b.Store.cbMem(70).InUse = a.Store.cbMem(70).InUse == 1 ? 0 : 1;
    b.Config.Settings.GroupName(kBandHf, 2).assign("\xC4nderung");
    b.Config.Settings.DtmfCodes[2].assign(
        a.Config.Settings.DtmfCodes[2].trimmed() == "123" ? "456" : "123");
    b.Config.ToneTable[1].ToneRepeat = static_cast<i16>(a.Config.ToneTable[1].ToneRepeat + 1);
    b.Config.Settings.WeatherChannels[0].WxFrequency += 0.025;
    const SettingRow& setting = SettingRows().front();
    ASSERT_TRUE(setting.Field);
    setting.Field->set(b.Config, setting.Field->get(a.Config) == 0 ? 1 : 0);
    Load(b);
    PairBytes(doc(), path("b.dat"));
    Load(a);

    CompareWindow* compare = Compare(path("b.dat"));
    ASSERT_NE(compare, nullptr);
    const QStringList lines = Lines(*compare);
    const struct {
        const char* Start;
        const char* Window;
        int Band;  // the channel window's place; -1: another window
        int Group;
        const char* RowLabel;
    } cases[] = {
        {"HF group 3 CH 5: only in B", kChannelWindow, kBandHf, 3, "5"},
        {"CB MEM 70: only in", kChannelWindow, kBandCb, 7, "M6"},
        {"HF group 2: name", kGroupNameWindow, -1, 0, ""},
        {"DTMF code 3:", kDtmfWindow, -1, 0, ""},
        {"Roger Beep tone 2:", kRogerBeepWindow, -1, 0, ""},
        {"Weather Channel 1:", kWeatherWindow, -1, 0, ""},
        {"Setting \"", kSettingsWindow, -1, 0, ""},
    };
    auto* list = compare->findChild<QListWidget*>(QStringLiteral("DifferenceList"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Start);
        int row = 0;
        while (row < lines.size() && !lines[row].startsWith(QString::fromLatin1(c.Start))) ++row;
        ASSERT_LT(row, lines.size()) << lines.join(QLatin1Char('\n')).toStdString();
        main().CloseAllEditors();
        FlushDeletes();
        QListWidgetItem* item = list->item(row);
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        ASSERT_NE(main().FindEditor(QString::fromLatin1(c.Window)), nullptr);
        if (c.Band < 0) continue;
        EXPECT_EQ(window()->DisplayedBandMode(), c.Band);
        EXPECT_EQ(window()->DisplayedGroup(), c.Group);
        EXPECT_EQ(Label(grid()->currentIndex().row() + 1), QString::fromLatin1(c.RowLabel));
    }
    compare->close();
}

TEST_F(ExchangeTest, TheComparisonSpeaksTheInterfaceLanguage) {
    RadioData a = working();
    a.channel(kBandHf, 1, 1).RxFreqText.assign("28015000");
    a.Config.Settings.GroupName(kBandHf, 2).assign("B");
    a.Config.Settings.DtmfCodes[2].assign("");
    RadioData b = a;
    b.channel(kBandHf, 1, 1).RxFreqText.assign("28025000");
    const int slot = ++b.channelCount(kBandHf, 3);
    b.channel(kBandHf, slot, 3) = b.channel(kBandHf, 1, 3);
    b.channel(kBandHf, slot, 3).ChNo = 5;
    b.Config.Settings.GroupName(kBandHf, 2).assign("XY");
    b.Config.Settings.DtmfCodes[2].assign("123");
    Load(b);
    PairBytes(doc(), path("b.dat"));
    Load(a);

    state().CurrentLanguage = kLanguageChinese;
    CompareWindow* compare = Compare(path("b.dat"));
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(Lines(*compare),
              (QStringList{
                  QStringLiteral("HF 组 1 信道 1：接收 MHz 28.015000 -> 28.025000"),
                  QStringLiteral("HF 组 3 信道 5：仅在 B 中"),
                  QStringLiteral("HF 组 2：组名 \"B\" -> \"XY\""),
                  QStringLiteral("DTMF 码 3：\"\" -> \"123\""),
              }));
    EXPECT_EQ(compare->findChild<QLabel*>(QStringLiteral("CompareSummary"))->text(),
              QStringLiteral("共 4 处差异：本文档 (A) 与 b.dat (B)。双击一行可打开显示它的窗口。"));
    compare->close();
}

TEST_F(ExchangeTest, WrongFilesAreRefusedWithAMessageAndChangeNothing) {
    std::mt19937 rng(5);
    QByteArray binary(4096, '\0');
    for (char& byte : binary) byte = static_cast<char>(rng());
    WriteFile(path("binary.csv"), binary);
    WriteFile(path("empty.csv"), {});
    // Beyond what any channel list needs: refused before it is read into rows.
    WriteFile(path("long.csv"), "Band,Group,CH No.\n" + QByteArray("\n").repeated(20000));
    WriteFile(path("huge.csv"), QByteArray(5 << 20, 'x'));
    WriteFile(path("binary.dat"), binary);
    WriteFile(path("binary.img"), binary);
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder.csv")));
    // Refused for every user, root included.
    WriteFile(path("readonly.csv"), "kept");
    ASSERT_TRUE(QFile::setPermissions(path("readonly.csv"), QFile::ReadOwner | QFile::ReadGroup));
    const QByteArray before = PairBytes(doc(), path("before.dat"));

    const struct {
        const char* Command;
        const char* File;
        const char* English;  // the message starts so
        const char* Chinese;
    } cases[] = {
        {"mnuFileImportChannels", "binary.csv", "The file ", "文件 "},
        {"mnuFileImportChannels", "empty.csv", "The file ", "文件 "},
        {"mnuFileImportChannels", "folder.csv", "The file ", "文件 "},
        {"mnuFileImportChannels", "long.csv", "The file ", "文件 "},
        {"mnuFileImportChannels", "huge.csv", "The file ", "文件 "},
        {"mnuFileImportChannels", "missing.csv", "The file ", "文件 "},
        {"mnuFileExportChannels", "folder.csv", "The channels were not written.", "信道未写入。"},
        {"mnuFileExportChannels", "readonly.csv", "The channels were not written.", "信道未写入。"},
        {"mnuFileExportChannels", "no/such/folder.csv", "The channels were not written.",
         "信道未写入。"},
        {"mnuFileCompare", "binary.dat", "", ""},
        {"mnuFileCompare", "binary.img", "file error.", ""},
        {"mnuFileCompare", "missing.img", "file error.", ""},
    };
    for (const int language : {kLanguageEnglish, kLanguageChinese}) {
        state().CurrentLanguage = language;
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.Command) + " " + c.File);
            Asked.clear();
            Answer({MessageAnswer::Ok});
            // An export asks for the format before the file.
            std::optional<DialogScript> script;
            if (std::string_view(c.Command) == "mnuFileExportChannels") {
                script.emplace();
                script->Then("ExportFormatDialog", Accept);
            }
            chooser_->Answers.push_back(path(c.File));
            trigger(c.Command);
            ASSERT_EQ(Asked.size(), 1u);
            const MessageRequest& asked = Asked.front();
            EXPECT_EQ(asked.Icon, MessageIcon::Critical);
            EXPECT_FALSE(asked.Text.en.empty());
            EXPECT_FALSE(asked.Text.zh.empty());
            EXPECT_EQ(asked.Shown, asked.Text.in(language));
            EXPECT_TRUE(asked.Text.en.starts_with(c.English)) << asked.Text.en;
            EXPECT_TRUE(asked.Text.zh.starts_with(c.Chinese)) << asked.Text.zh;
            EXPECT_EQ(OpenCompareWindow(), nullptr);
            EXPECT_EQ(PairBytes(doc(), path("after.dat")), before);
            EXPECT_FALSE(main().Editor().CanUndo());
        }
    }
    EXPECT_FALSE(QFile::exists(path("no/such/folder.csv")));
    QFile kept(path("readonly.csv"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("kept"));
}

}  // namespace
}  // namespace kv::test
