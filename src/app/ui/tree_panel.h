// The tree panel on the left of the main window: a close button, the root label and the tree of
// editor windows. Clicking a node asks for the window named by the node.
#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace kv {

class TreePanel : public QWidget {
    Q_OBJECT
public:
    explicit TreePanel(QWidget* parent = nullptr);

    // Clears the tree and adds the root and its nodes with the texts of `language`.
    void Rebuild(int language);
    QTreeWidget* tree() const { return tree_; }

signals:
    void closeRequested();
    void windowRequested(const QString& windowName);

private:
    void itemClicked(QTreeWidgetItem* item);

    QToolBar* toolbar_;
    QLabel* rootLabel_;
    QTreeWidget* tree_;
};

}  // namespace kv
