// The port numbering rule: stable numbers, lowest free number, by-id preference, hand-added
// entries.
#include "link/port_numbering.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kv {
namespace {

struct Listed {
    int number;
    std::string path;
    bool operator==(const Listed&) const = default;
};

std::vector<Listed> Numbers(const PortNumbering& n) {
    std::vector<Listed> out;
    for (const auto& e : n.listed) out.push_back({e.number, e.path});
    return out;
}

const std::string kUsb0 = "/dev/ttyUSB0";
const std::string kUsb1 = "/dev/ttyUSB1";
const std::string kById0 = "/dev/serial/by-id/usb-FTDI_A1-if00-port0";
const std::string kById1 = "/dev/serial/by-id/usb-FTDI_B2-if00-port0";

TEST(NumberPorts, AssignsKeepsAndListsNumbers) {
    struct Case {
        const char* what;
        PortMapping known;
        std::vector<PresentPort> present;
        std::set<std::string> existing;
        PortMapping mapping;
        std::vector<Listed> listed;
        bool changed;
    };
    const Case cases[] = {
        {"nothing known, nothing present", {}, {}, {}, {}, {}, false},
        {"first device takes COM1",
         {},
         {{kUsb0, "", "FT232"}},
         {},
         {{1, kUsb0}},
         {{1, kUsb0}},
         true},
        {"by-id path preferred", {}, {{kUsb0, kById0, ""}}, {}, {{1, kById0}}, {{1, kById0}}, true},
        {"known device keeps its number",
         {{4, kById0}},
         {{kUsb1, kById0, ""}},
         {},
         {{4, kById0}},
         {{4, kById0}},
         false},
        {"new device takes the lowest free number, absent device keeps its own",
         {{1, kById0}, {3, "/dev/ttyS0"}},
         {{kUsb0, kById1, ""}},
         {},
         {{1, kById0}, {2, kById1}, {3, "/dev/ttyS0"}},
         {{2, kById1}},
         true},
        {"known by system path, moves to its by-id path",
         {{2, kUsb0}},
         {{kUsb0, kById0, ""}},
         {},
         {{2, kById0}},
         {{2, kById0}},
         true},
        {"hand-added entry listed while it exists",
         {{7, "/dev/pts/3"}, {8, "/dev/pts/9"}},
         {{kUsb0, "", ""}},
         {"/dev/pts/3"},
         {{1, kUsb0}, {7, "/dev/pts/3"}, {8, "/dev/pts/9"}},
         {{1, kUsb0}, {7, "/dev/pts/3"}},
         true},
        {"two entries for one device: the lower number wins, no duplicate",
         {{2, kUsb0}, {5, kUsb0}},
         {{kUsb0, "", ""}},
         {kUsb0},
         {{2, kUsb0}, {5, kUsb0}},
         {{2, kUsb0}},
         false},
        {"numbers out of range dropped",
         {{0, kUsb0}, {1000, kUsb1}},
         {{kUsb0, "", ""}},
         {},
         {{1, kUsb0}},
         {{1, kUsb0}},
         true},
        {"three digits",
         {{100, kUsb1}},
         {{kUsb1, "", ""}, {kUsb0, "", ""}},
         {},
         {{1, kUsb0}, {100, kUsb1}},
         {{1, kUsb0}, {100, kUsb1}},
         true},
    };
    for (const Case& c : cases) {
        const PortNumbering n = NumberPorts(c.known, c.present, c.existing);
        EXPECT_EQ(n.mapping, c.mapping) << c.what;
        EXPECT_EQ(Numbers(n), c.listed) << c.what;
        EXPECT_EQ(n.changed, c.changed) << c.what;
    }
}

TEST(NumberPorts, FullRangeLeavesNewDeviceUnlisted) {
    PortMapping full;
    for (int n = kFirstPortNumber; n <= kLastPortNumber; ++n)
        full[n] = "/dev/x" + std::to_string(n);
    const PortNumbering n = NumberPorts(full, {{kUsb0, "", ""}}, {});
    EXPECT_TRUE(n.listed.empty());
    EXPECT_EQ(n.mapping, full);
}

// Devices, entries added by hand and the chosen entry whose device is gone are told apart: a
// device the system describes with nothing (a built-in ttyS port) is no entry added by hand.
TEST(NumberPorts, KindsOfEntries) {
    using Kind = ListedPort::Kind;
    const PortNumbering n =
        NumberPorts({{9, "/dev/pts/1"}, {4, kById1}, {6, kUsb1}},
                    {{kUsb0, "", "USB serial"}, {"/dev/ttyS0", "", ""}}, {"/dev/pts/1"}, 4);
    std::vector<std::tuple<int, std::string, Kind>> listed;
    for (const auto& e : n.listed) listed.emplace_back(e.number, e.description, e.kind);
    EXPECT_EQ(listed, (std::vector<std::tuple<int, std::string, Kind>>{
                          {1, "USB serial", Kind::Device},
                          {2, "", Kind::Device},
                          {4, "", Kind::NotPresent},
                          {9, "", Kind::AddedByHand},
                      }))
        << "COM6, absent and not chosen, is not listed";
}

TEST(ParsePortName, AcceptsComAndNumberInRange) {
    EXPECT_EQ(ParsePortName("COM3"), 3);
    EXPECT_EQ(ParsePortName("com12"), 12);
    EXPECT_EQ(ParsePortName("COM999"), 999);
    for (const char* bad :
         {"", "COM", "COM0", "COM1000", "COM1a", "COMX", "/dev/ttyS0", "CON1", "COM-1", " COM1"})
        EXPECT_EQ(ParsePortName(bad), std::nullopt) << bad;
    EXPECT_EQ(PortName(42), "COM42");
}

}  // namespace
}  // namespace kv
