// The list of recent files of the File menu: the last data files and radio images opened or
// saved, newest first, kept in the settings file as numbered keys.
#pragma once

#include <string>
#include <vector>

#include "model/text_pair.h"

namespace kv {

inline constexpr int kRecentFileCount = 8;
inline constexpr const char* kRecentFilesSection = "RecentFiles";

// The settings key of entry `number` (1 = newest): "File1" … "File8".
std::string RecentFileKey(int number);

// `path` moves to the front; it appears once and the list keeps at most kRecentFileCount entries.
std::vector<std::string> WithRecentFile(std::vector<std::string> list, const std::string& path);

// The list without `path`.
std::vector<std::string> WithoutRecentFile(std::vector<std::string> list, const std::string& path);

// The menu caption of entry `number`: "&1 /home/me/radio.dat".
std::string RecentFileCaption(int number, const std::string& path);

// A chosen recent file that is no longer there, naming it.
TextPair RecentFileMissingText(const std::string& path);

}  // namespace kv
