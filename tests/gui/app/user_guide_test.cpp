// The user guide: every page in both languages with its pictures and links in place in the
// staged program folder, Help → User Guide and F1 opening the page of the window in front, and
// a guide that is not installed.
#include "app/user_guide.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include "app/main_window_tables.h"
#include "app/ui/user_guide_window.h"
#include "link/ui/port_window.h"
#include "shell_fixture.h"

namespace kv::test {
namespace {

QString StagedGuide() {
    return QStringLiteral(KV_PROGRAM_DIR "/guide");
}

TEST(UserGuidePages, EveryPageIsThereInBothLanguagesWithItsPicturesAndLinks) {
    for (const char* language : {"en", "zh"}) {
        const QDir folder(StagedGuide() + QLatin1Char('/') + QLatin1String(language));
        for (const GuidePage& page : GuidePages()) {
            SCOPED_TRACE(std::string(language) + "/" + page.File);
            QFile file(folder.filePath(QString::fromLatin1(page.File)));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            const TextPair& title = page.Title;
            EXPECT_TRUE(text.contains(QString::fromStdString(
                QLatin1String(language) == QLatin1String("zh") ? title.zh : title.en)));
            // Pictures and links within the guide lead to files that are there.
            static const QRegularExpression kReference(
                QString::fromLatin1("(?:src|href)=\"([^\":#]+)\""));
            for (const auto& match : kReference.globalMatch(text)) {
                const QString target = match.captured(1);
                EXPECT_TRUE(QFile::exists(folder.filePath(target))) << target.toStdString();
            }
        }
    }
}

class UserGuideTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        WriteVersionFile();
        CopyTemplates();
        ASSERT_TRUE(QFile::link(StagedGuide(), programFolder() + QStringLiteral("/guide")));
    }
    UserGuideWindow* guide() { return main().findChild<UserGuideWindow*>(); }
};

TEST_F(UserGuideTest, HelpOpensThePageOfTheEditorInFrontInTheInterfaceLanguage) {
    Start("en_US", false);
    main().CloseAllEditors();
    trigger("mnuHelpGuide");
    ASSERT_NE(guide(), nullptr);
    EXPECT_EQ(guide()->page(), QStringLiteral("index.html"));
    EXPECT_TRUE(guide()->findChild<QTextBrowser*>()->toPlainText().contains(
        QStringLiteral("Getting started")));
    guide()->close();
    FlushDeletes();

    main().OpenEditor(QString::fromLatin1(kChannelWindow));
    EXPECT_EQ(action("mnuHelpGuide")->shortcut(), QKeySequence(Qt::Key_F1));
    trigger("mnuHelpGuide");
    ASSERT_NE(guide(), nullptr);
    EXPECT_EQ(guide()->page(), QStringLiteral("channels.html"));
}

TEST_F(UserGuideTest, ChineseInterfaceOpensTheChineseGuide) {
    Start("zh_CN", false);
    trigger("mnuHelpGuide");
    ASSERT_NE(guide(), nullptr);
    // The channel window is in front after the start.
    EXPECT_EQ(guide()->page(), QStringLiteral("channels.html"));
    EXPECT_TRUE(guide()->findChild<QTextBrowser*>()->toPlainText().contains(
        QStringLiteral("信道信息窗口")));
}

TEST_F(UserGuideTest, F1InAModalWindowOpensItsPageBesideIt) {
    Start("en_US", false);
    main().show();
    PortWindow port(state(), app_->settings(), &main());
    port.open();
    QTRY_VERIFY(QApplication::activeModalWidget() == &port);
    QTest::keyClick(&port, Qt::Key_F1);
    auto* opened = port.findChild<UserGuideWindow*>();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->page(), QStringLiteral("port.html"));
    EXPECT_TRUE(port.isVisible());
}

TEST_F(UserGuideTest, AGuideThatIsNotInstalledIsSaidSo) {
    ASSERT_TRUE(QFile::remove(programFolder() + QStringLiteral("/guide")));
    Start("en_US", false);
    main().CloseAllEditors();
    Answer({MessageAnswer::Ok});
    trigger("mnuHelpGuide");
    EXPECT_EQ(guide(), nullptr);
    ASSERT_EQ(Asked.size(), 1u);
    EXPECT_EQ(
        Asked[0].Text,
        GuideMissingText((programFolder() + QStringLiteral("/guide/en/index.html")).toStdString()));
}

}  // namespace
}  // namespace kv::test
