// The progress window on its own: texts by direction and language, the percentage while shown,
// a bar value out of range, and the question when it is closed during a transfer.
#include "link/ui/progress_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "gui/message_box.h"
#include "link/link_window_texts.h"

namespace kv::linktest {
namespace {

struct TextCase {
    TransferKind kind;
    int language;
    const char* caption;
    const char* label;
};

class ProgressWindowTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ProgressWindowTextTest, CaptionAndLabelFollowDirectionAndLanguage) {
    ProgressWindow window(GetParam().kind, GetParam().language);
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(GetParam().caption));
    EXPECT_EQ(window.findChild<QLabel*>("Label1")->text(), QString::fromUtf8(GetParam().label));
    EXPECT_EQ(window.findChild<QLabel*>("Label2")->text(), "0%");
    EXPECT_EQ(window.findChild<QProgressBar*>("ProgressBar1")->value(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, ProgressWindowTextTest,
    ::testing::Values(
        TextCase{TransferKind::Read, kLanguageEnglish, "Read data from radio",
                 "Completion percentage:"},
        TextCase{TransferKind::Write, kLanguageEnglish, "Write data to radio",
                 "Completion percentage:"},
        TextCase{TransferKind::Read, kLanguageChinese, "从对讲机读取数据", "完成进度:"},
        TextCase{TransferKind::Write, kLanguageChinese, "向对讲机写入数据", "完成进度:"}));

class ProgressWindowTest : public ::testing::Test {
protected:
    ProgressWindowTest() {
        SetMessageAnswerer([this](const MessageRequest& request) {
            shown_.push_back(request.Text);
            return answer_;
        });
    }
    ~ProgressWindowTest() override { SetMessageAnswerer({}); }

    ProgressWindow window_{TransferKind::Write, kLanguageEnglish};
    QProgressBar* bar_ = window_.findChild<QProgressBar*>("ProgressBar1");
    QLabel* percent_ = window_.findChild<QLabel*>("Label2");
    std::vector<TextPair> shown_;
    MessageAnswer answer_ = MessageAnswer::No;
};

TEST_F(ProgressWindowTest, PercentageShowsOnlyWhileVisible) {
    window_.ShowPercent(12);
    EXPECT_EQ(bar_->value(), 0);
    EXPECT_EQ(percent_->text(), "0%");

    window_.show();
    window_.ShowPercent(37);
    EXPECT_EQ(bar_->value(), 37);
    EXPECT_EQ(percent_->text(), "37%");
    EXPECT_TRUE(shown_.empty());
}

TEST_F(ProgressWindowTest, ValueOutOfRangeIsReportedAndIgnored) {
    window_.SetProgressValue(40);
    window_.SetProgressValue(101);
    EXPECT_EQ(bar_->value(), 40);
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0], LinkWindowTexts().SetProgressValueError);
}

TEST_F(ProgressWindowTest, ClosingAsksAndOnlyYesStops) {
    QSignalSpy stop(&window_, &ProgressWindow::stopRequested);
    window_.show();

    window_.close();
    EXPECT_TRUE(window_.isVisible());
    EXPECT_EQ(stop.count(), 0);

    answer_ = MessageAnswer::Yes;
    QTest::keyClick(&window_, Qt::Key_Escape);
    EXPECT_EQ(stop.count(), 1);
    ASSERT_EQ(shown_.size(), 2u);
    EXPECT_EQ(shown_[1], LinkWindowTexts().AbandonQuestion);

    // While the session stops, closing again asks nothing and the window stays until it ends.
    window_.close();
    EXPECT_EQ(shown_.size(), 2u);
    EXPECT_TRUE(window_.isVisible());

    // Once the session has ended the window closes without a question.
    window_.SessionEnded();
    EXPECT_FALSE(window_.isVisible());
    EXPECT_EQ(shown_.size(), 2u);
}

// A read offers Cancel, which asks as closing does; a write offers no button at all.
TEST_F(ProgressWindowTest, OnlyAReadOffersCancel) {
    EXPECT_EQ(window_.findChild<QPushButton*>("CommandCancel"), nullptr);
    EXPECT_TRUE(window_.findChildren<QPushButton*>().isEmpty());
    for (const int language : {kLanguageEnglish, kLanguageChinese}) {
        ProgressWindow read(TransferKind::Read, language);
        auto* cancel = read.findChild<QPushButton*>("CommandCancel");
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(cancel->text(), language == kLanguageEnglish ? QStringLiteral("&Cancel")
                                                               : QStringLiteral("取消(&C)"));
        QSignalSpy stop(&read, &ProgressWindow::stopRequested);
        read.show();
        answer_ = MessageAnswer::No;
        cancel->click();
        EXPECT_EQ(stop.count(), 0);
        answer_ = MessageAnswer::Yes;
        cancel->click();
        EXPECT_EQ(stop.count(), 1);
        read.SessionEnded();
    }
}

// The session ends while the user still reads the stop question: the real question box closes
// by itself and the transfer is not stopped after the fact.
TEST_F(ProgressWindowTest, TheStopQuestionClosesWhenTheSessionEnds) {
    // A quit asked for earlier in the run (a hand-over) would end every modal loop at once.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    SetMessageAnswerer({});
    QSignalSpy stop(&window_, &ProgressWindow::stopRequested);
    window_.show();
    bool questionSeen = false;
    QTimer::singleShot(100, &window_, [&] {
        questionSeen = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
        window_.SessionEnded();
    });
    // Should the question stay open, this answers it so that the test fails instead of hanging.
    QTimer rescue;
    QObject::connect(&rescue, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->reject();
    });
    rescue.start(5000);

    window_.close();

    EXPECT_TRUE(questionSeen);
    EXPECT_FALSE(window_.isVisible());
    EXPECT_EQ(stop.count(), 0);
    EXPECT_TRUE(window_.findChildren<QMessageBox*>().isEmpty());
}

}  // namespace
}  // namespace kv::linktest
