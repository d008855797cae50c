// Raw image files: size-checked on load, written atomically on save.
#include "platform/raw_image_file.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace kv {

QString LoadRawImage(const QString& path, MemoryImage& image) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
    if (file.size() != static_cast<qint64>(MemoryImage::size()))
        return QStringLiteral("%1 is not a memory image: %2 bytes instead of %3.")
            .arg(path)
            .arg(file.size())
            .arg(MemoryImage::size());
    const QByteArray bytes = file.readAll();
    if (bytes.size() != static_cast<qsizetype>(MemoryImage::size()))
        return QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
    std::copy(bytes.begin(), bytes.end(), image.data());
    return {};
}

QString SaveRawImage(const QString& path, const MemoryImage& image) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(reinterpret_cast<const char*>(image.data()), MemoryImage::size()) !=
            static_cast<qint64>(MemoryImage::size()) ||
        !file.commit())
        return QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return {};
}

}  // namespace kv
