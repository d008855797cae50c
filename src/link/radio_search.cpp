// The search order and the texts of the search.
#include "link/radio_search.h"

#include <string_view>

#include "model/radio_facts.h"

namespace kv {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// 0 by-id adapter, 1 other USB adapter, 2 added by hand, 3 built-in or other device.
int Rank(const ListedPort& port) {
    if (port.kind == ListedPort::Kind::AddedByHand) return 2;
    if (StartsWith(port.path, "/dev/serial/by-id/")) return 0;
    if (StartsWith(port.path, "/dev/ttyUSB") || StartsWith(port.path, "/dev/ttyACM")) return 1;
    return 3;
}

std::string PortLabel(const ListedPort& port) {
    return PortName(port.number) + " (" + port.path + ")";
}

}  // namespace

std::vector<ListedPort> SearchOrder(const std::vector<ListedPort>& listed, bool includeBuiltIn) {
    std::vector<ListedPort> order;
    for (int rank = 0; rank <= 3; ++rank)
        for (const ListedPort& port : listed)
            if (port.kind != ListedPort::Kind::NotPresent && Rank(port) == rank &&
                (rank < 3 || includeBuiltIn))
                order.push_back(port);
    return order;
}

PortAnswer::Kind AnswerKind(ProbeVerdict verdict) {
    switch (verdict) {
        case ProbeVerdict::ThisModel:
            return PortAnswer::Kind::Found;
        case ProbeVerdict::OtherModel:
            return PortAnswer::Kind::OtherModel;
        case ProbeVerdict::Garbage:
            return PortAnswer::Kind::Garbage;
        case ProbeVerdict::NoAnswer:
            break;
    }
    return PortAnswer::Kind::NoAnswer;
}

const FindRadioTextTable& FindRadioTexts() {
    static const FindRadioTextTable table = [] {
        FindRadioTextTable t;
        t.FindButton = {"&Find the radio", "查找对讲机(&F)"};
        t.Consent = {
            "Find the radio sends the programming handshake, the identification request and the "
            "end request to each USB serial port in turn, and chooses the port whose radio "
            "answers as the " +
                std::string(kExpectedModel) +
                ".\r\nOther devices on these ports receive these bytes too.\r\n\r\nSearch now?",
            "查找对讲机会依次向每个 USB 串口发送编程握手、识别请求和结束请求，并选择对讲机应答为 " +
                std::string(kExpectedModel) +
                " 的端口。\r\n这些端口上的其他设备也会收到这些字节。\r\n\r\n现在查找吗？"};
        t.Offer = {
            "Find the radio? The handshake, the identification request and the end request "
            "are sent to each USB serial port in turn, and the port whose radio answers "
            "as the " +
                std::string(kExpectedModel) + " is chosen.",
            "要查找对讲机吗？将依次向每个 USB "
            "串口发送握手、识别请求和结束请求，并选择对讲机应答为 " +
                std::string(kExpectedModel) + " 的端口。"};
        t.IncludeBuiltIn = {"Also try the built-in serial ports (ttyS)", "同时尝试内置串口 (ttyS)"};
        t.WindowCaption = {"Find the radio", "查找对讲机"};
        t.NoCandidates = {
            "No USB serial adapter is connected. Connect the programming cable "
            "and try again.",
            "未连接 USB 串口适配器。请连接编程线后重试。"};
        t.NotFound = {"No radio answered as the " + std::string(kExpectedModel) +
                          ". Check that the radio is on and the cable is plugged in.",
                      "没有对讲机应答为 " + std::string(kExpectedModel) +
                          "。请检查对讲机已开机且编程线已连接。"};
        t.Cancelled = {"The search was cancelled.", "查找已取消。"};
        t.CancelButton = {"Cancel", "取消"};
        t.CloseButton = {"Close", "关闭"};
        return t;
    }();
    return table;
}

TextPair FindRadioOffer(const TextPair& failure) {
    const TextPair& offer = FindRadioTexts().Offer;
    return {failure.en + "\r\n\r\n" + offer.en, failure.zh + "\r\n\r\n" + offer.zh};
}

TextPair TryingText(const ListedPort& port) {
    const std::string label = PortLabel(port);
    return {"Trying " + label + " …", "正在尝试 " + label + " …"};
}

TextPair AnswerText(const ListedPort& port, const PortAnswer& answer) {
    const std::string label = PortLabel(port);
    switch (answer.Result) {
        case PortAnswer::Kind::Found:
            return {label + ": the " + answer.Model + " answers here — chosen.",
                    label + "：" + answer.Model + " 在此应答 — 已选择。"};
        case PortAnswer::Kind::OtherModel:
            return {label + ": a radio answers as another model (" + answer.Model + ").",
                    label + "：对讲机应答为其他型号 (" + answer.Model + ")。"};
        case PortAnswer::Kind::Garbage:
            return {label + ": answers something that is not this radio.",
                    label + "：应答的内容不是本对讲机。"};
        case PortAnswer::Kind::CannotOpen:
            return {label + ": " + answer.OpenReason.en, label + "：" + answer.OpenReason.zh};
        case PortAnswer::Kind::NoAnswer:
            break;
    }
    return {label + ": no answer.", label + "：无应答。"};
}

}  // namespace kv
