// The channel window fixture.
#include "channel_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>

#include "app/ui/main_window.h"
#include "model/radio_data.h"

namespace kv::test {

void ChannelWindowTest::SetUp() {
    ShellTest::SetUp();
    // Paste reads the system clipboard: what an earlier test left there must not reach this one.
    QApplication::clipboard()->clear();
    CopyTemplates();
}

void ChannelWindowTest::InstallVersionTable() {
    ASSERT_TRUE(QFile::copy(QStringLiteral(KV_PROGRAM_DIR "/../Version.ini"),
                            dir_.filePath(QStringLiteral("Version.ini"))));
}

void ChannelWindowTest::StartWithBands(bool radioOptions) {
    StartupOptions options;
    options.Folders = ProgramFolders::ForProgramFolder(programFolder());
    options.Locale = LocaleFactsFor("en_US");
    options.Placement = std::make_shared<PlacementStore>(placementPath());
    options.Chooser = chooser_;
    app_ = std::make_unique<Application>(options);
    doc().Radio.RadioOptionFlag = radioOptions;
    // The window reads the option when it opens.
    main().CloseAllEditors();
    FlushDeletes();
    main().OpenEditor(QString::fromLatin1(kChannelWindow));
    main().show();
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
}

ChannelWindow* ChannelWindowTest::window() {
    return qobject_cast<ChannelWindow*>(main().FindEditor(QString::fromLatin1(kChannelWindow)));
}

void ChannelWindowTest::Pick(QComboBox* box, int index) {
    ASSERT_GE(index, 0);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void ChannelWindowTest::ShowBandGroup(int band, int group) {
    if (combo("Combo2")->currentIndex() != band) Pick(combo("Combo2"), band);
    Pick(combo("Combo6"), group - 1);
}

QString ChannelWindowTest::Cell(int row, int column) {
    return grid()->model()->index(row - 1, column).data().toString();
}

void ChannelWindowTest::SelectRow(int row) {
    grid()->setFocus();
    // As a plain click does, whatever modifier an earlier simulated key left behind.
    grid()->selectionModel()->setCurrentIndex(
        grid()->model()->index(row - 1, 1),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void ChannelWindowTest::TypeFrequency(int row, const QString& keys) {
    SelectRow(row);
    QTest::keyClick(grid(), Qt::Key_Return);
    ASSERT_TRUE(editBox()->isVisible());
    editBox()->clear();
    QTest::keyClicks(editBox(), keys);
    QTest::keyClick(editBox(), Qt::Key_Return);
}

std::vector<int> ChannelWindowTest::Numbers(int band, int group) {
    std::vector<int> numbers;
    for (int slot = 1; slot <= doc().Working.channelCount(band, group); ++slot)
        numbers.push_back(doc().Working.channel(band, slot, group).ChNo);
    return numbers;
}

}  // namespace kv::test
