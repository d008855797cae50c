// Stable port numbering: known devices keep their numbers, new ones take the lowest free number.
#include "link/port_numbering.h"

#include <algorithm>
#include <cctype>

namespace kv {
namespace {

std::optional<int> LowestFreeNumber(const PortMapping& mapping) {
    for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n)
        if (!mapping.contains(n)) return n;
    return std::nullopt;
}

bool IsDevicePath(const std::vector<PresentPort>& present, const std::string& path) {
    return std::any_of(present.begin(), present.end(), [&](const PresentPort& p) {
        return p.systemPath == path || (!p.byIdPath.empty() && p.byIdPath == path);
    });
}

}  // namespace

PortNumbering NumberPorts(const PortMapping& known, const std::vector<PresentPort>& present,
                          const std::set<std::string>& existingPaths, int chosen) {
    PortNumbering result;
    for (const auto& [number, path] : known)
        if (number >= kFirstPortNumber && number <= kLastPortNumber && !path.empty())
            result.mapping.emplace(number, path);
    result.changed = result.mapping.size() != known.size();

    std::set<int> deviceNumbers;
    for (const PresentPort& device : present) {
        const std::string& preferred =
            device.byIdPath.empty() ? device.systemPath : device.byIdPath;
        auto match = std::find_if(result.mapping.begin(), result.mapping.end(), [&](const auto& e) {
            return !deviceNumbers.contains(e.first) &&
                   (e.second == device.systemPath ||
                    (!device.byIdPath.empty() && e.second == device.byIdPath));
        });
        int number = 0;
        if (match != result.mapping.end()) {
            number = match->first;
            if (match->second != preferred) {
                match->second = preferred;
                result.changed = true;
            }
        } else {
            const std::optional<int> free = LowestFreeNumber(result.mapping);
            if (!free) continue;
            number = *free;
            result.mapping.emplace(number, preferred);
            result.changed = true;
        }
        deviceNumbers.insert(number);
        result.listed.push_back({number, preferred, device.description, ListedPort::Kind::Device});
    }

    for (const auto& [number, path] : result.mapping) {
        if (deviceNumbers.contains(number) || IsDevicePath(present, path)) continue;
        if (existingPaths.contains(path))
            result.listed.push_back({number, path, {}, ListedPort::Kind::AddedByHand});
        else if (number == chosen)
            result.listed.push_back({number, path, {}, ListedPort::Kind::NotPresent});
    }

    std::sort(result.listed.begin(), result.listed.end(),
              [](const ListedPort& a, const ListedPort& b) { return a.number < b.number; });
    return result;
}

std::optional<int> ParsePortName(const std::string& name) {
    if (name.size() < 4 || name.size() > 6) return std::nullopt;
    for (int i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return std::nullopt;
    int number = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return std::nullopt;
        number = number * 10 + (name[i] - '0');
    }
    if (number < kFirstPortNumber || number > kLastPortNumber) return std::nullopt;
    return number;
}

std::string PortName(int number) {
    return "COM" + std::to_string(number);
}

}  // namespace kv
