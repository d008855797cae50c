// The notice for bytes after a companion file's records.
#include "files/companion_extra.h"

#include "files/data_file_layout.h"
#include "files/data_file_pair.h"
#include "files/file_io.h"

namespace kv {

std::optional<TextPair> CompanionExtraText(const std::string& dataPath,
                                           const ConfigRecord& config) {
    const std::string companionPath = CompanionPath(dataPath);
    const std::optional<FileHead> companion = ReadFileHead(companionPath, 0);
    const std::uint64_t used = CompanionRecordCount(config) * kChannelRecordSize;
    if (!companion || companion->Size <= used) return std::nullopt;
    const std::string extra = std::to_string(companion->Size - used);
    const std::string records = std::to_string(CompanionRecordCount(config));
    return TextPair{companionPath + " holds " + extra + " bytes after the " + records +
                        " channel records its data file calls for; they were not read.",
                    companionPath + " 在数据文件所需的 " + records + " 条信道记录之后还有 " +
                        extra + " 字节，这些字节未被读取。"};
}

}  // namespace kv
