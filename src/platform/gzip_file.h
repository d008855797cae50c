// Text written as a gzip file (RFC 1952), as `gzip -d` and every archive tool read it.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

#include "model/text_pair.h"

namespace kv {

// The gzip form of `bytes`; empty when compression failed.
QByteArray GzipCompress(const std::string& bytes);

// The original bytes of a gzip member; nothing when the data is not a valid gzip member.
std::optional<std::string> GzipDecompress(const QByteArray& gzip);

// Writes `text` compressed to `path` through the safe save of every output file. Why not, when
// it could not.
std::optional<TextPair> WriteGzipFile(const QString& path, const std::string& text);

}  // namespace kv
