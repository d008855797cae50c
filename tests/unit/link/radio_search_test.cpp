// Finding the radio, without ports: which ports are tried in which order, and the probe of one
// port from the handshake to the end request, whatever comes back.
#include "link/radio_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/radio_probe.h"

namespace kv {
namespace {

using Kind = ListedPort::Kind;

TEST(RadioSearch, AdaptersWithAStableNameFirstAndBuiltInPortsOnlyWhenAsked) {
    const std::vector<ListedPort> listed = {
        {1, "/dev/ttyS0", "", Kind::Device},
        {2, "/dev/ttyUSB1", "", Kind::Device},
        {3, "/dev/serial/by-id/usb-FTDI_FT232R-if00-port0", "", Kind::Device},
        {4, "/dev/pts/7", "", Kind::AddedByHand},
        {5, "/dev/serial/by-id/usb-Prolific-if00", "", Kind::NotPresent},
        {6, "/dev/ttyACM0", "", Kind::Device},
        {7, "/dev/ttyAMA0", "", Kind::Device},
    };
    const auto numbers = [](const std::vector<ListedPort>& ports) {
        std::vector<int> n;
        for (const ListedPort& p : ports) n.push_back(p.number);
        return n;
    };
    EXPECT_EQ(numbers(SearchOrder(listed, false)), (std::vector<int>{3, 2, 6, 4}));
    EXPECT_EQ(numbers(SearchOrder(listed, true)), (std::vector<int>{3, 2, 6, 4, 1, 7}));
    EXPECT_TRUE(SearchOrder({}, true).empty());
}

// The probe's exchanges, as the radio or another device on the port would answer.
struct ProbeCase {
    const char* name;
    // Per request in turn: the reply (empty: the reply time runs out with nothing).
    std::vector<Frame> replies;
    std::vector<Frame> expectedSent;
    ProbeVerdict verdict;
    std::string model;
};

TEST(RadioProbe, EveryAnswerEndsWithTheRadioOutOfProgrammingMode) {
    const Frame handshake = {0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D};
    const Frame identify = {0x02};
    const Frame end = {0x45, 0x4E, 0x44};
    const Frame shakeReply = {0x57, 0x4A, 0x06};
    const Frame ack = {0x06};
    const auto id = [](const char* model) {
        Frame f = {0x49};
        for (int i = 0; i < 7; ++i) f.push_back(static_cast<std::uint8_t>(model[i]));
        f.insert(f.end(), {0x00, 'V', '1', '0', '0', 0, 0, 0});
        return f;
    };
    const ProbeCase cases[] = {
        {"this model",
         {shakeReply, id("TALVEN5"), ack},
         {handshake, identify, end},
         ProbeVerdict::ThisModel,
         "TALVEN5"},
        {"this model, end not acknowledged",
         {shakeReply, id("TALVEN5"), {}},
         {handshake, identify, end},
         ProbeVerdict::ThisModel,
         "TALVEN5"},
        {"another model",
         {shakeReply, id("TALVEN6"), ack},
         {handshake, identify, end},
         ProbeVerdict::OtherModel,
         "TALVEN6"},
        {"silent", {{}}, {handshake}, ProbeVerdict::NoAnswer, ""},
        {"garbage to the handshake", {{'A', 'T', '\r'}}, {handshake}, ProbeVerdict::Garbage, ""},
        {"too little, then silence", {{0x57}}, {handshake}, ProbeVerdict::Garbage, ""},
        {"handshake, then no identification",
         {shakeReply, {}, ack},
         {handshake, identify, end},
         ProbeVerdict::NoAnswer,
         ""},
        {"handshake, then a bad identification",
         {shakeReply, Frame(16, 0x55), ack},
         {handshake, identify, end},
         ProbeVerdict::Garbage,
         ""},
    };
    for (const ProbeCase& c : cases) {
        SCOPED_TRACE(c.name);
        RadioProbe probe("TALVEN5");
        std::vector<Frame> sent;
        ProbeStep step = probe.Start();
        std::size_t reply = 0;
        while (!step.Finished) {
            ASSERT_TRUE(step.Send.has_value());
            sent.push_back(*step.Send);
            ASSERT_LT(reply, c.replies.size()) << "asked more than the case answers";
            const Frame& bytes = c.replies[reply++];
            // A reply shorter than expected is only seen when the reply time runs out.
            step = bytes.size() >= step.Expect ? probe.OnReply(bytes) : probe.OnTimeout(bytes);
        }
        EXPECT_FALSE(step.Send.has_value());
        EXPECT_EQ(sent, c.expectedSent);
        EXPECT_EQ(probe.verdict(), c.verdict);
        EXPECT_EQ(probe.model(), c.model);
    }
}

TEST(RadioProbe, CancelSendsTheEndRequestOnceTheHandshakeHasGoneOut) {
    RadioProbe before("TALVEN5");
    ProbeStep step = before.Cancel();
    EXPECT_TRUE(step.Finished);
    EXPECT_FALSE(step.Send.has_value());

    for (int answered = 0; answered <= 1; ++answered) {
        SCOPED_TRACE(answered);
        RadioProbe probe("TALVEN5");
        probe.Start();
        if (answered) probe.OnReply(Frame{0x57, 0x4A, 0x06});
        step = probe.Cancel();
        EXPECT_TRUE(step.Finished);
        ASSERT_TRUE(step.Send.has_value());
        EXPECT_EQ(*step.Send, (Frame{0x45, 0x4E, 0x44}));
        EXPECT_EQ(probe.verdict(), ProbeVerdict::NoAnswer);
    }
}

}  // namespace
}  // namespace kv
