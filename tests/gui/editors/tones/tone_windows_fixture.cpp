// Finding the tree nodes of the started program.
#include "tone_windows_fixture.h"

#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "app/ui/tree_panel.h"

namespace kv::test {

void ToneWindowsTest::clickTreeNode(const char* key) {
    auto* panel = main().findChild<TreePanel*>(QStringLiteral("picTree"));
    ASSERT_NE(panel, nullptr);
    QTreeWidget* tree = panel->tree();
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
        if ((*it)->data(0, Qt::UserRole + 1).toString() == QString::fromLatin1(key)) {
            emit tree->itemClicked(*it, 0);
            return;
        }
    }
    ADD_FAILURE() << "no tree node " << key;
}

}  // namespace kv::test
