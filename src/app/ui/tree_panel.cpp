// The tree panel of the main window.
#include "app/ui/tree_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/main_window_tables.h"
#include "app/shell_texts.h"

namespace kv {
namespace {

constexpr int kWindowNameRole = Qt::UserRole;
constexpr int kKeyRole = Qt::UserRole + 1;

}  // namespace

TreePanel::TreePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picTree"));
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("tbrTree"));
    toolbar_->setIconSize(QSize(12, 12));
    rootLabel_ = new QLabel(QString::fromStdString(ShellTexts().TreeRoot.en), this);
    rootLabel_->setObjectName(QStringLiteral("lblTree"));
    toolbar_->addWidget(rootLabel_);
    auto* spacer = new QWidget(toolbar_);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolbar_->addWidget(spacer);
    QAction* close = toolbar_->addAction(QStringLiteral("关闭"));
    close->setObjectName(QStringLiteral("删除"));
    close->setToolTip(QStringLiteral("Close"));
    connect(close, &QAction::triggered, this, &TreePanel::closeRequested);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->header()->hide();
    connect(tree_, &QTreeWidget::itemClicked, this, &TreePanel::itemClicked);
    connect(tree_, &QTreeWidget::itemActivated, this, &TreePanel::itemClicked);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar_);
    layout->addWidget(tree_, 1);
}

void TreePanel::Rebuild(int language) {
    tree_->clear();
    const std::string rootText = ShellTexts().TreeRoot.in(language);
    rootLabel_->setText(QString::fromStdString(rootText));
    auto* root = new QTreeWidgetItem(tree_, {QString::fromStdString(rootText)});
    root->setData(0, kKeyRole, QStringLiteral("N0"));
    for (const auto& row : TreeRows()) {
        std::string text = row.Text.in(language);
        if (*row.CaptionFrom != '\0')
            text = CaptionWithoutAccessKey(FindMenuRow(row.CaptionFrom)->Caption.in(language));
        auto* node = new QTreeWidgetItem(root, {QString::fromStdString(text)});
        node->setData(0, kKeyRole, QString::fromLatin1(row.Key));
        node->setData(0, kWindowNameRole, QString::fromLatin1(row.Opens));
    }
    root->setExpanded(true);
}

void TreePanel::itemClicked(QTreeWidgetItem* item) {
    const QString window = item ? item->data(0, kWindowNameRole).toString() : QString();
    if (!window.isEmpty()) emit windowRequested(window);
}

}  // namespace kv
