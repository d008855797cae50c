// Qt's own texts in the program's language.
#include "app/ui/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "model/text_pair.h"

namespace kv {

bool ApplyQtTranslation(int language) {
    // One translator for the whole process, whichever window changes the language.
    static QTranslator* chinese = nullptr;
    static bool installed = false;
    if (language != kLanguageChinese) {
        if (installed) QCoreApplication::removeTranslator(chinese);
        installed = false;
        return true;
    }
    if (installed) return true;
    if (chinese == nullptr) {
        chinese = new QTranslator(QCoreApplication::instance());
        // "qt_zh_CN" names the catalogues of every Qt module Debian ships translated.
        if (!chinese->load(QStringLiteral("qt_zh_CN"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete chinese;
            chinese = nullptr;
            return false;
        }
    }
    installed = QCoreApplication::installTranslator(chinese);
    return installed;
}

}  // namespace kv
