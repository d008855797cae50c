// The user guide shipped with the program: its pages, in the guide's order, the page that
// describes each window, and where a language's pages lie below the program folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/text_pair.h"

namespace kv {

struct GuidePage {
    const char* File;    // "channels.html"
    const char* Window;  // the object name of the window it describes; "" for a topic
    TextPair Title;
};

// Every page, in the guide's order; the first is the start page.
const std::vector<GuidePage>& GuidePages();

// The page that describes the window named `windowName`; the start page for any other.
std::string GuidePageFor(std::string_view windowName);

// "guide/en" or "guide/zh": the folder of a language's pages, below the program folder.
std::string GuideFolder(int language);

// The guide window's caption.
const TextPair& GuideCaption();

// Said when the guide's page cannot be found in the program folder.
TextPair GuideMissingText(const std::string& path);

}  // namespace kv
