// What the commands of kv7700-cli share: reporting failures, opening a data file pair as the
// program's Open does, and reading and writing memory images.
#pragma once

#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "codec/image_codec.h"
#include "model/document.h"
#include "model/memory_image.h"

namespace kv::cli {

// The settings file of the installation this program belongs to, by the rule the program uses:
// language/mysetup.ini beside the program folder, or the per-user one when that cannot be written.
// It holds the [ports] numbering, so COM<n> names the same device here as in the program.
QString SettingsFilePath();

// The text conversion the program uses on this system: its locale and that locale's code page.
CodecOptions SystemCodec();

// Prints "kv7700-cli: message" on standard error and returns the failure exit status.
int Fail(const std::string& message);

// Prints "kv7700-cli: message" on standard error and returns the usage error exit status.
int Usage(const std::string& message);

// Opens the pair with the version checks of the program's Open, against the version table beside
// the program folder. On failure prints the message and returns nothing.
std::unique_ptr<Document> OpenPair(const std::string& path);

// Reads a memory image file, which must be exactly the image's size. On failure prints the
// message and returns nothing.
std::unique_ptr<MemoryImage> ReadImage(const std::string& path);

// True when the file at path is exactly the size of a memory image.
bool LooksLikeImage(const std::string& path);

// Replaces the file at path with `bytes` the safe way, or leaves it untouched and prints the
// failure with its reason.
bool WriteOutput(const std::string& path, std::string_view bytes);

// Replaces the file at path with the image; nothing, or the file named with why it could not be
// written (it is then left untouched).
std::optional<std::string> ImageNotWritten(const MemoryImage& image, const std::string& path);

// Replaces the file at path with the image, or leaves it untouched and prints the failure.
bool WriteImage(const MemoryImage& image, const std::string& path);

}  // namespace kv::cli
