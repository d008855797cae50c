// The per-user store of the main window's placement.
#include "platform/placement_store.h"

namespace kv {
namespace {

struct PlacementKey {
    const char* Name;
    int WindowPlacement::*Member;
};

constexpr PlacementKey kKeys[] = {
    {"MainLeft", &WindowPlacement::Left},
    {"MainTop", &WindowPlacement::Top},
    {"MainWidth", &WindowPlacement::Width},
    {"MainHeight", &WindowPlacement::Height},
};

constexpr const char* kGroup = "Settings/";

}  // namespace

PlacementStore::PlacementStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                            QStringLiteral("KV-7700"), QStringLiteral("KV-7700"))) {
}

PlacementStore::PlacementStore(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

WindowPlacement PlacementStore::load() const {
    WindowPlacement placement;
    for (const auto& key : kKeys) {
        bool ok = false;
        const int value = settings_->value(QLatin1String(kGroup) + QLatin1String(key.Name))
                              .toString()
                              .trimmed()
                              .toInt(&ok);
        if (ok) placement.*key.Member = value;
    }
    return placement;
}

void PlacementStore::save(const WindowPlacement& placement) {
    for (const auto& key : kKeys)
        settings_->setValue(QLatin1String(kGroup) + QLatin1String(key.Name),
                            QString::number(placement.*key.Member));
    settings_->sync();
}

}  // namespace kv
