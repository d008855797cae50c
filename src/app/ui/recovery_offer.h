// At start-up: offers the recovery copies that programs which ended without saving left behind.
#pragma once

#include <QString>

namespace kv {

class MainWindow;

// Asks, for each copy in `folder` whose program no longer runs (oldest first), whether to restore
// it; Yes makes it the document, unsaved and under its old name, No removes it. A copy that is
// damaged or from another version is refused with a message and kept aside, never opened in part.
void OfferLeftRecoveries(MainWindow& main, const QString& folder);

}  // namespace kv
