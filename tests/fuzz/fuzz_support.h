// What the fuzz targets share: a scratch folder of this process for the files a target has to
// write, and the check that stops the run when an invariant breaks (libFuzzer then keeps the
// input as a crash).
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>

namespace kv::fuzz {

// The lines of a text, ended by LF, CR LF or a lone CR, as the text readers count them.
inline int LineCount(std::string_view text) {
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++lines;
    return lines;
}

inline void Check(bool holds, const char* invariant) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}

// A folder of this process in memory-backed /dev/shm when there is one, otherwise in the
// temporary folder; removed when the process exits normally.
inline const std::string& ScratchFolder() {
    static const std::string folder = [] {
        namespace fs = std::filesystem;
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / "kv-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) Check(false, "scratch folder can be made");
        static const std::string made = pattern;
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(made, ignored);
        });
        return pattern;
    }();
    return folder;
}

inline void WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    Check(static_cast<bool>(out), "scratch file can be written");
}

}  // namespace kv::fuzz
