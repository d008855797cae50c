// Stable "COM<n>" numbers for serial devices: the rule that keeps a device's number across runs
// and gives a new device the lowest free one. Pure: the caller supplies what exists now.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kv {

// Numbers shown as "COM<n>". Three digits at most, as the port window has always shown them.
inline constexpr int kFirstPortNumber = 1;
inline constexpr int kLastPortNumber = 999;

// Port number → device path, as persisted between runs.
using PortMapping = std::map<int, std::string>;

// A serial device present now: its system path (/dev/ttyUSB0) and, when it has one, its stable
// /dev/serial/by-id/ alias, which survives re-plugging into another socket.
struct PresentPort {
    std::string systemPath;
    std::string byIdPath;
    std::string description;
};

// One entry of the list the user chooses from.
struct ListedPort {
    enum class Kind {
        Device,       // a serial device the system lists now
        AddedByHand,  // a path the user added, listed while it exists
        NotPresent,   // the chosen entry, whose device is gone for now
    };
    int number = 0;
    std::string path;
    std::string description;  // the system's description of a device; may be empty
    Kind kind = Kind::Device;
};

struct PortNumbering {
    PortMapping mapping;             // the updated mapping to persist
    std::vector<ListedPort> listed;  // entries to show, by ascending number
    bool changed = false;            // mapping differs from the one given
};

// known: the persisted mapping. present: the serial devices the system lists now. existingPaths:
// the mapped paths that exist now though no device was listed for them (entries added by hand,
// such as a pseudo-terminal); they are listed while they exist. A known device keeps its number,
// and its mapping moves to its by-id path once it has one; a new device takes the lowest free
// number; a device absent now keeps its number reserved. The entry numbered `chosen` stays listed,
// as not present, while its device is gone, so that a choice never moves to another port unseen.
PortNumbering NumberPorts(const PortMapping& known, const std::vector<PresentPort>& present,
                          const std::set<std::string>& existingPaths, int chosen = 0);

// "COM<n>" (letters in any case) → n within the port number range; nothing otherwise.
std::optional<int> ParsePortName(const std::string& name);

// n → "COM<n>".
std::string PortName(int number);

}  // namespace kv
