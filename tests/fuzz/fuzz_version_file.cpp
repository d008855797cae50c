// Reading the version file shared by the installed program versions: the input is the file.
// Whatever it holds, the table read from it keeps to the reader's promises (values cut to 511
// characters, no NUL, no surrounding blanks, no more entries than the counts allow), and the
// version checks and the question text work on every pair it yields.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "fuzz_support.h"
#include "platform/version_file.h"

namespace {

using kv::fuzz::Check;

bool IsCleanValue(const std::string& value) {
    if (value.find('\0') != std::string::npos) return false;
    if (!value.empty() && (value.front() == ' ' || value.back() == ' ')) return false;
    // 511 characters of UTF-16 at most; as UTF-8 each may take up to three bytes.
    return value.size() <= 511 * 3;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static const std::string path = kv::fuzz::ScratchFolder() + "/Version.ini";
    kv::fuzz::WriteFile(path, std::span<const std::uint8_t>(bytes, size));

    const kv::VersionTable table = kv::LoadVersionTable(QString::fromStdString(path));
    Check(IsCleanValue(table.CurrentVersion), "CurrentVersion is a clean value");
    for (const std::string& soft : table.SoftVersions)
        Check(IsCleanValue(soft), "a [Soft] value is clean");
    for (const auto& [software, other] : table.Pairs) {
        Check(software.size() <= 4 && other.size() <= 4, "a pair holds two marks of four");
        Check(kv::IsCompatibleVersion(table, software, other), "every pair read is listed");
        Check(!kv::SoftwareVersionFor(table, other).empty() || software.empty(),
              "the software version of a listed pair is found");
        const kv::TextPair question = kv::VersionMismatchText(software, other, 0);
        Check(!question.en.empty() && !question.zh.empty(), "the question has both languages");
    }
    return 0;
}
