// What the program knows about the radio it talks to: the expected model and what the last
// identification reply (or the last opened data file) reported.
#pragma once

#include <string>

namespace kv {

inline constexpr const char* kExpectedModel = "TALVEN5";
inline constexpr const char* kProgramDataVersion = "V100";

struct RadioFacts {
    std::string ExpectedModel = kExpectedModel;
    std::string RadioModel;
    std::string FirmwareVersion = kProgramDataVersion;
    bool RadioOptionFlag = false;
};

}  // namespace kv
