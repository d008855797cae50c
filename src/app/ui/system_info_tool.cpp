// The desktop's system information program.
#include "app/ui/system_info_tool.h"

#include <QStandardPaths>

namespace kv {

QString FindSystemInfoTool() {
    // Hardware and system overviews of the common desktops, most specific first.
    static const char* const kCandidates[] = {"hardinfo2", "hardinfo", "kinfocenter"};
    for (const char* name : kCandidates) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) return path;
    }
    return {};
}

}  // namespace kv
