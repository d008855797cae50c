// gzip through zlib: windowBits 15 + 16 selects the gzip header and trailer around the deflate
// stream (qCompress would give zlib's own format, which gzip does not read).
#include "platform/gzip_file.h"

#include <zlib.h>

#include <QFile>

#include "files/data_file.h"
#include "files/safe_save.h"

namespace kv {
namespace {

constexpr int kGzipWindowBits = 15 + 16;

}  // namespace

QByteArray GzipCompress(const std::string& bytes) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, kGzipWindowBits, 8,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    QByteArray out(static_cast<qsizetype>(deflateBound(&stream, bytes.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    const int result = deflate(&stream, Z_FINISH);
    const auto written = static_cast<qsizetype>(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END) return {};
    out.truncate(written);
    return out;
}

std::optional<std::string> GzipDecompress(const QByteArray& gzip) {
    z_stream stream{};
    if (inflateInit2(&stream, kGzipWindowBits) != Z_OK) return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(gzip.data()));
    stream.avail_in = static_cast<uInt>(gzip.size());
    std::string out;
    char buffer[16384];
    int result = Z_OK;
    while (result == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof buffer;
        result = inflate(&stream, Z_NO_FLUSH);
        out.append(buffer, sizeof buffer - stream.avail_out);
        if (result == Z_OK && stream.avail_in == 0 && stream.avail_out != 0) result = Z_BUF_ERROR;
    }
    inflateEnd(&stream);
    if (result != Z_STREAM_END) return std::nullopt;
    return out;
}

std::optional<TextPair> WriteGzipFile(const QString& path, const std::string& text) {
    const QByteArray gzip = GzipCompress(text);
    if (gzip.isEmpty()) return TextPair{"compression failed", "压缩失败"};
    const std::optional<FileFailure> failure =
        SaveFileSafely(QFile::encodeName(path).toStdString(),
                       std::string_view(gzip.constData(), static_cast<std::size_t>(gzip.size())));
    if (!failure) return std::nullopt;
    return FileFailureReason(*failure);
}

}  // namespace kv
