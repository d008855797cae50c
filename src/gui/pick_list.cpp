// Pick lists that show stored values the lists do not hold.
#include "gui/pick_list.h"

#include <QBrush>
#include <QComboBox>
#include <QFont>
#include <QPalette>
#include <QSignalBlocker>
#include <string>

#include "editors/shared_lists.h"

namespace kv {
namespace {

// The item data role that marks the extra entry.
constexpr int kUnlistedRole = Qt::UserRole + 0x55;
// The property that says the list's tooltip is the extra entry's text.
constexpr const char* kUnlistedTip = "kvUnlistedTip";

// A layout may keep the list narrower than the extra entry's text: the tooltip shows it whole.
void SetUnlistedTip(QComboBox* list, const QString& text) {
    if (text.isEmpty() && !list->property(kUnlistedTip).toBool()) return;
    list->setToolTip(text);
    list->setProperty(kUnlistedTip, !text.isEmpty());
}

}  // namespace

TextPair UnlistedEntryText(UnlistedKind kind, int number) {
    const std::string n = std::to_string(number);
    if (kind == UnlistedKind::Channel)
        return {"CH " + n + " (not in use)", "CH " + n + "（未使用）"};
    return NotInListText(number);
}

bool IsUnlistedEntry(const QComboBox* list, int position) {
    return position >= 0 && position < list->count() &&
           list->itemData(position, kUnlistedRole).toBool();
}

int EntryCount(const QComboBox* list) {
    const int count = list->count();
    return IsUnlistedEntry(list, count - 1) ? count - 1 : count;
}

void ShowPick(QComboBox* list, int position, UnlistedKind kind, int stored, int language) {
    const QString text = QString::fromStdString(UnlistedEntryText(kind, stored).in(language));
    const int last = list->count() - 1;
    const bool hasExtra = IsUnlistedEntry(list, last);
    const int entries = hasExtra ? last : last + 1;
    if (position >= 0 && position < entries) {
        if (hasExtra) list->removeItem(last);
        list->setCurrentIndex(position);
        SetUnlistedTip(list, QString());
        return;
    }
    if (!hasExtra) {
        list->addItem(text);
    } else {
        list->setItemText(last, text);
    }
    const int extra = list->count() - 1;
    QFont italic = list->font();
    italic.setItalic(true);
    list->setItemData(extra, true, kUnlistedRole);
    list->setItemData(extra, italic, Qt::FontRole);
    list->setItemData(extra, list->palette().brush(QPalette::Disabled, QPalette::Text),
                      Qt::ForegroundRole);
    list->setItemData(extra, text, Qt::ToolTipRole);
    list->setCurrentIndex(extra);
    SetUnlistedTip(list, text);
    // The value's text is longer than the entries the list was sized for: let it be read whole.
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

void OnUserPick(QComboBox* list, QObject* context, std::function<void(int)> picked) {
    QObject::connect(list, &QComboBox::activated, context,
                     [list, picked = std::move(picked)](int position) {
                         if (IsUnlistedEntry(list, position)) return;
                         picked(position);
                         // The value picked is stored: the extra entry goes, unless the window
                         // showed the stored value again because the pick was refused.
                         const int last = list->count() - 1;
                         if (IsUnlistedEntry(list, last) && list->currentIndex() != last) {
                             const QSignalBlocker block(list);
                             list->removeItem(last);
                             SetUnlistedTip(list, QString());
                         }
                     });
}

}  // namespace kv
