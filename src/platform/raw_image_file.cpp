// Raw image files through the shared file helpers: size-checked on load, replaced atomically on
// save.
#include "platform/raw_image_file.h"

#include <algorithm>

#include "files/data_file.h"
#include "files/file_io.h"
#include "files/safe_save.h"

namespace kv {

QString LoadRawImage(const QString& path, MemoryImage& image) {
    const std::optional<FileHead> head = ReadFileHead(path.toStdString(), MemoryImage::size());
    if (!head) return QStringLiteral("Cannot read %1.").arg(path);
    if (head->Size != MemoryImage::size())
        return QStringLiteral("%1 is not a memory image: %2 bytes instead of %3.")
            .arg(path)
            .arg(head->Size)
            .arg(MemoryImage::size());
    std::copy(head->Bytes.begin(), head->Bytes.end(), image.data());
    return {};
}

QString SaveRawImage(const QString& path, const MemoryImage& image) {
    const std::optional<FileFailure> failure = SaveFileSafely(
        path.toStdString(), std::span<const std::uint8_t>(image.data(), image.size()));
    if (!failure) return {};
    return QStringLiteral("Cannot write %1: %2.")
        .arg(path, QString::fromStdString(FileFailureReason(*failure).en));
}

}  // namespace kv
