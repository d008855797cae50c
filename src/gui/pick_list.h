// What every pick list of the editor windows shows for a stored value: the entry that holds it,
// or, when no entry does, an extra entry at the end that names the value itself, selected and
// marked, so that the window never shows one value while the document holds another. The extra
// entry goes as soon as the user picks a real entry (the next refresh no longer needs it).
#pragma once

#include <QObject>
#include <functional>

#include "model/text_pair.h"

class QComboBox;

namespace kv {

// How the extra entry names the value: a plain value ("229 (not in the list)") or a channel
// number that names no channel ("CH 22 (not in use)").
enum class UnlistedKind { Value, Channel };

TextPair UnlistedEntryText(UnlistedKind kind, int number);

// Shows the entry at `position`; a position outside the list's entries shows `stored` as the
// extra entry instead. Call it under a QSignalBlocker on the list: showing never stores.
void ShowPick(QComboBox* list, int position, UnlistedKind kind, int stored, int language);

bool IsUnlistedEntry(const QComboBox* list, int position);
// The list's entries, the extra entry left out.
int EntryCount(const QComboBox* list);

// Calls `picked` with the position the user picked (the list's activated signal); a pick of the
// extra entry stores nothing, since it is what is already stored.
void OnUserPick(QComboBox* list, QObject* context, std::function<void(int)> picked);

}  // namespace kv
