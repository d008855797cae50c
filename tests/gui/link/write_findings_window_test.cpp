// The findings before a write, from a radio's random contents: hundreds of lines scroll in a
// window that fits the screen with the question and its buttons in sight, and the list is copied
// and saved whole, in the language shown.
#include "link/ui/write_findings_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <memory>
#include <random>

#include "codec/image_codec.h"
#include "gui/app/shell_fixture.h"
#include "model/memory_image.h"

namespace kv::test {
namespace {

std::vector<WriteFinding> RandomRadioFindings() {
    std::mt19937 random(627);
    auto image = std::make_unique<MemoryImage>();
    for (std::uint32_t a = 0; a < MemoryImage::kSize; ++a)
        image->put(a, static_cast<std::uint8_t>(random()));
    auto doc = std::make_unique<Document>();
    DecodeImage(*image, doc->Working);
    return CheckBeforeWriting(*doc);
}

// A widget lies wholly inside the window's visible area.
bool InSight(const QWidget& window, const QWidget& widget) {
    const QRect area(widget.mapTo(&window, QPoint(0, 0)), widget.size());
    return widget.isVisible() && window.rect().contains(area);
}

TEST(WriteFindingsWindowTest, HundredsOfFindingsScrollWithTheQuestionInSight) {
    const std::vector<WriteFinding> findings = RandomRadioFindings();
    ASSERT_GT(findings.size(), 200u);
    for (const int language : {kLanguageEnglish, kLanguageChinese}) {
        SCOPED_TRACE(language);
        ScriptedChooser chooser;
        WriteFindingsWindow window(findings, language, chooser, nullptr);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const QRect screen = QApplication::primaryScreen()->availableGeometry();
        EXPECT_LE(window.frameGeometry().height(), screen.height());
        EXPECT_LE(window.frameGeometry().width(), screen.width());
        auto* list = window.findChild<QPlainTextEdit*>(QStringLiteral("Findings"));
        ASSERT_NE(list, nullptr);
        EXPECT_GT(list->verticalScrollBar()->maximum(), 0) << "the list scrolls";
        EXPECT_EQ(list->document()->blockCount(), static_cast<int>(findings.size()));
        for (const char* name : {"CommandOK", "CommandCancel", "CommandCopy", "CommandSave"}) {
            auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
            ASSERT_NE(button, nullptr) << name;
            EXPECT_TRUE(InSight(window, *button)) << name;
        }
        auto* question = window.findChild<QLabel*>(QStringLiteral("Question"));
        ASSERT_NE(question, nullptr);
        EXPECT_TRUE(InSight(window, *question));
        EXPECT_EQ(question->text().toStdString(), WriteCheckTexts().Question.in(language));
        EXPECT_EQ(list->toPlainText().section(QLatin1Char('\n'), 0, 0).toStdString(),
                  "• " + findings.front().Line.in(language));
    }
}

TEST(WriteFindingsWindowTest, TheListIsCopiedAndSavedWhole) {
    const std::vector<WriteFinding> findings = RandomRadioFindings();
    const QString expected = QString::fromStdString(WriteCheckList(findings, kLanguageChinese));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("findings.txt"));
    ScriptedChooser chooser;
    chooser.Answers.push_back(path);
    WriteFindingsWindow window(findings, kLanguageChinese, chooser, nullptr);
    window.show();
    QApplication::clipboard()->clear();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("CommandCopy")),
                      Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), expected);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("CommandSave")),
                      Qt::LeftButton);
    ASSERT_EQ(chooser.Calls.size(), 1u);
    EXPECT_EQ(chooser.Calls[0].Title, QStringLiteral("保存检查结果"));
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(saved.readAll()), expected);
    EXPECT_TRUE(window.isVisible()) << "copying and saving leave the question open";
}

// The question is answered by its buttons; Enter does not write by accident.
TEST(WriteFindingsWindowTest, OkWritesAndEnterOrCloseDoNot) {
    const std::vector<WriteFinding> findings = RandomRadioFindings();
    ScriptedChooser chooser;
    const struct {
        const char* button;
        int result;
    } cases[] = {{"CommandOK", QDialog::Accepted},
                 {"CommandCancel", QDialog::Rejected},
                 {nullptr, QDialog::Rejected}};
    for (const auto& c : cases) {
        WriteFindingsWindow window(findings, kLanguageEnglish, chooser, nullptr);
        QTimer::singleShot(0, &window, [&] {
            if (c.button != nullptr)
                window.findChild<QPushButton*>(QString::fromLatin1(c.button))->click();
            else
                QTest::keyClick(&window, Qt::Key_Return);
        });
        EXPECT_EQ(window.exec(), c.result) << (c.button ? c.button : "Enter");
    }
}

}  // namespace
}  // namespace kv::test
