// The message box as the user sees it, shown for real and answered through its button.
#include "gui/message_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "model/text_pair.h"

namespace kv::test {
namespace {

// A short text, as most Chinese ones are, still leaves the title bar room for the program's name.
TEST(MessageBoxTest, AShortTextKeepsTheBoxWideEnoughForTheTitle) {
    SetMessageAnswerer({});
    for (const int language : {kLanguageEnglish, kLanguageChinese}) {
        int width = 0;
        int titleWidth = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            width = box->width();
            titleWidth = box->fontMetrics().horizontalAdvance(box->windowTitle());
            box->buttons().front()->click();
        });
        ShowMessage(nullptr, language, {"Go?", "好?"});
        EXPECT_GE(width, 2 * titleWidth + 100) << language;
    }
}

}  // namespace
}  // namespace kv::test
