// Finding the radio among the serial ports: which ports the search tries and in what order, and
// how each answer is told to the user, in both languages.
#pragma once

#include <string>
#include <vector>

#include "link/port_numbering.h"
#include "link/radio_probe.h"
#include "model/text_pair.h"

namespace kv {

// The ports to try, in order: USB serial adapters with a /dev/serial/by-id name, then other USB
// serial adapters (ttyUSB, ttyACM), then the entries the user added by hand. Built-in ports
// (ttyS and any other device) only with `includeBuiltIn`, after the adapters; entries whose
// device is gone never.
std::vector<ListedPort> SearchOrder(const std::vector<ListedPort>& listed, bool includeBuiltIn);

// What became of one port.
struct PortAnswer {
    enum class Kind { Found, OtherModel, NoAnswer, Garbage, CannotOpen };
    Kind Result = Kind::NoAnswer;
    std::string Model;    // OtherModel and Found: the model the radio named
    TextPair OpenReason;  // CannotOpen: why (in use, no permission, gone …)
};

PortAnswer::Kind AnswerKind(ProbeVerdict verdict);

struct FindRadioTextTable {
    TextPair FindButton;  // "Find the radio"
    TextPair Consent;     // what the search sends, asked before it starts
    TextPair Offer;       // after a read could not use its port: what it sends, and the question
    TextPair IncludeBuiltIn;  // the choice to try built-in ports as well
    TextPair WindowCaption;
    TextPair NoCandidates;
    TextPair NotFound;
    TextPair Cancelled;
    TextPair CancelButton;
    TextPair CloseButton;
};

const FindRadioTextTable& FindRadioTexts();

// The read command's port failure `failure`, followed by the offer to find the radio, which says
// what the search sends (Yes is the consent).
TextPair FindRadioOffer(const TextPair& failure);

// "Trying COM3 (/dev/ttyUSB0) …".
TextPair TryingText(const ListedPort& port);
// One line of the result list: the port and what it answered.
TextPair AnswerText(const ListedPort& port, const PortAnswer& answer);

}  // namespace kv
