// The progress window on its own: texts by direction and language, the percentage while shown,
// a bar value out of range, and the question when it is closed during a transfer.
#include "link/ui/progress_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>

#include "app/ui/message_box.h"
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

TEST_F(ProgressWindowTest, ClosingAsksAndOnlyYesAbandons) {
    QSignalSpy abandon(&window_, &ProgressWindow::abandonRequested);
    window_.show();

    window_.close();
    EXPECT_TRUE(window_.isVisible());
    EXPECT_EQ(abandon.count(), 0);

    answer_ = MessageAnswer::Yes;
    QTest::keyClick(&window_, Qt::Key_Escape);
    EXPECT_EQ(abandon.count(), 1);
    ASSERT_EQ(shown_.size(), 2u);
    EXPECT_EQ(shown_[1], LinkWindowTexts().AbandonQuestion);

    // Once the session has ended the window closes without a question.
    window_.SessionEnded();
    EXPECT_FALSE(window_.isVisible());
    EXPECT_EQ(shown_.size(), 2u);
}

}  // namespace
}  // namespace kv::linktest
