// The single-file form of the data files' replacement.
#include "files/safe_save.h"

#include <array>

namespace kv {

std::optional<FileFailure> SaveFileSafely(const std::string& path,
                                          std::span<const std::uint8_t> bytes) {
    const std::array<FileContent, 1> file = {FileContent{path, bytes}};
    FileFailure failure;
    if (WriteFilesAtomically(file, &failure)) return std::nullopt;
    return failure;
}

std::optional<FileFailure> SaveFileSafely(const std::string& path, std::string_view bytes) {
    return SaveFileSafely(
        path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

}  // namespace kv
