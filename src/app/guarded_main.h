// The top of every program's main: whatever escapes the program's own handling (a failed
// allocation, a library's exception) is named on standard error and ends the program with the
// failure status, rather than aborting it with no word of what failed.
#pragma once

#include <cstdio>
#include <exception>
#include <new>

namespace kv {

inline constexpr int kUncaughtExitStatus = 1;

template <typename Body>
int RunGuarded(const char* program, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "%s: out of memory\n", program);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: unexpected failure: %s\n", program, error.what());
    } catch (...) {
        std::fprintf(stderr, "%s: unexpected failure\n", program);
    }
    return kUncaughtExitStatus;
}

}  // namespace kv
