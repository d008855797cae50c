// The list of recent files.
#include "app/recent_files.h"

#include <algorithm>

namespace kv {

std::string RecentFileKey(int number) {
    return "File" + std::to_string(number);
}

std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path) {
    list = WithoutRecentFile(std::move(list), path);
    list.insert(list.begin(), path);
    if (list.size() > static_cast<std::size_t>(kRecentFileCount)) list.resize(kRecentFileCount);
    return list;
}

std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path) {
    list.erase(std::remove(list.begin(), list.end(), path), list.end());
    return list;
}

std::string RecentFileCaption(int number, const std::string& path) {
    return "&" + std::to_string(number) + " " + path;
}

TextPair RecentFileMissingText(const std::string& path) {
    return {
        "The file \"" + path + "\" no longer exists. It is removed from the list of recent files.",
        "文件“" + path + "”已不存在，已从最近使用的文件列表中删除。"};
}

}  // namespace kv
