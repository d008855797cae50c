// Failure reporting, pair opening and image files for the commands.
#include "cli_support.h"

#include <QCoreApplication>
#include <iostream>
#include <span>

#include "command.h"
#include "files/data_file.h"
#include "files/file_io.h"
#include "files/safe_save.h"
#include "platform/ansi_code_page.h"
#include "platform/locale_facts.h"
#include "platform/program_folders.h"
#include "platform/settings_file.h"
#include "platform/version_file.h"

namespace kv::cli {

QString SettingsFilePath() {
    const ProgramFolders folders =
        ProgramFolders::ForProgramFolder(QCoreApplication::applicationDirPath());
    return SettingsFile::ForInstallation(folders).writePath();
}

CodecOptions SystemCodec() {
    const std::string localeHex = SystemLocaleFacts().SystemLocaleHex;
    return {localeHex, &AnsiCodePageFor(localeHex)};
}

int Fail(const std::string& message) {
    std::cerr << "kv7700-cli: " << message << '\n';
    return kExitFailure;
}

int Usage(const std::string& message) {
    std::cerr << "kv7700-cli: " << message << '\n';
    return kExitUsage;
}

std::unique_ptr<Document> OpenPair(const std::string& path) {
    auto doc = std::make_unique<Document>();
    const FileResult result = OpenDataFile(*doc, path, LoadVersionTable(VersionFilePath()));
    if (!result.ok()) {
        Fail(path + ": " + result.Message.en);
        return nullptr;
    }
    if (!result.Message.empty())
        std::cerr << "kv7700-cli: " << path << ": " << result.Message.en << '\n';
    return doc;
}

std::unique_ptr<MemoryImage> ReadImage(const std::string& path) {
    const auto head = ReadFileHead(path, MemoryImage::kSize);
    if (!head) {
        Fail(path + ": cannot be read");
        return nullptr;
    }
    if (head->Size != MemoryImage::kSize) {
        Fail(path + ": " + std::to_string(head->Size) + " bytes; a memory image has " +
             std::to_string(MemoryImage::kSize));
        return nullptr;
    }
    auto image = std::make_unique<MemoryImage>();
    std::copy(head->Bytes.begin(), head->Bytes.end(), image->data());
    return image;
}

bool LooksLikeImage(const std::string& path) {
    const auto head = ReadFileHead(path, 0);
    return head && head->Size == MemoryImage::kSize;
}

namespace {

std::optional<std::string> NotWritten(const std::string& path,
                                      std::span<const std::uint8_t> bytes) {
    const std::optional<FileFailure> failure = SaveFileSafely(path, bytes);
    if (!failure) return std::nullopt;
    return path + ": cannot be written: " + FileFailureReason(*failure).en;
}

}  // namespace

bool WriteOutput(const std::string& path, std::string_view bytes) {
    const std::optional<std::string> failure = NotWritten(
        path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    if (failure) Fail(*failure);
    return !failure;
}

std::optional<std::string> ImageNotWritten(const MemoryImage& image, const std::string& path) {
    return NotWritten(path, std::span<const std::uint8_t>(image.data(), image.size()));
}

bool WriteImage(const MemoryImage& image, const std::string& path) {
    const std::optional<std::string> failure = ImageNotWritten(image, path);
    if (failure) Fail(*failure);
    return !failure;
}

}  // namespace kv::cli
