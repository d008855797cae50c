// What the program learns about the system at start-up.
#include "platform/locale_facts.h"

#include <QLocale>
#include <QSysInfo>

#include "app/locale_ids.h"

namespace kv {
namespace {

int KernelMajorVersion() {
    bool ok = false;
    const int major = QSysInfo::kernelVersion().section(QLatin1Char('.'), 0, 0).toInt(&ok);
    return ok && major > 0 && major <= 32767 ? major : 0;
}

}  // namespace

LocaleFacts LocaleFactsFor(const std::string& localeName) {
    LocaleFacts facts;
    facts.LocaleName = localeName;
    facts.SystemLocaleHex = LocaleHex(LocaleIdFor(localeName));
    facts.OsMajorVersion = KernelMajorVersion();
    return facts;
}

LocaleFacts SystemLocaleFacts() {
    return LocaleFactsFor(QLocale::system().name().toStdString());
}

}  // namespace kv
