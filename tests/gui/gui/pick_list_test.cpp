// Pick lists showing a stored value they do not hold: the extra entry's whole text is the list's
// tooltip while it is shown, and only then; a tooltip of the window's own is left alone.
#include "gui/pick_list.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QSignalBlocker>

#include "model/text_pair.h"

namespace kv {
namespace {

TEST(PickListTest, TheExtraEntrysTextIsTheTooltipWhileItIsShown) {
    for (const int language : {kLanguageEnglish, kLanguageChinese}) {
        SCOPED_TRACE(language);
        QComboBox list;
        list.addItems({QStringLiteral("Off"), QStringLiteral("1"), QStringLiteral("2")});
        int picked = -1;
        OnUserPick(&list, &list, [&picked](int position) { picked = position; });
        const QString text =
            QString::fromStdString(UnlistedEntryText(UnlistedKind::Value, 217).in(language));
        {
            const QSignalBlocker block(&list);
            ShowPick(&list, 217, UnlistedKind::Value, 217, language);
        }
        EXPECT_EQ(list.toolTip(), text);
        EXPECT_EQ(list.itemData(3, Qt::ToolTipRole).toString(), text);
        {
            const QSignalBlocker block(&list);
            ShowPick(&list, 1, UnlistedKind::Value, 1, language);
        }
        EXPECT_TRUE(list.toolTip().isEmpty());
        EXPECT_EQ(list.count(), 3);

        ShowPick(&list, 9, UnlistedKind::Value, 9, language);
        list.setCurrentIndex(2);
        emit list.activated(2);
        EXPECT_EQ(picked, 2);
        EXPECT_EQ(list.count(), 3);
        EXPECT_TRUE(list.toolTip().isEmpty());

        list.setToolTip(QStringLiteral("the window's own"));
        ShowPick(&list, 0, UnlistedKind::Value, 0, language);
        EXPECT_EQ(list.toolTip(), QStringLiteral("the window's own"));
    }
}

}  // namespace
}  // namespace kv
