// The probe of one port.
#include "link/radio_probe.h"

namespace kv {

RadioProbe::RadioProbe(std::string expectedModel) : expectedModel_(std::move(expectedModel)) {}

ProbeStep RadioProbe::Start() {
    stage_ = Stage::Handshake;
    return {HandshakeRequest(), kHandshakeReplyLength, false};
}

ProbeStep RadioProbe::sendEnd() {
    stage_ = Stage::End;
    return {EndRequest(), kAcknowledgementLength, false};
}

ProbeStep RadioProbe::finish() {
    stage_ = Stage::Done;
    return {std::nullopt, 0, true};
}

ProbeStep RadioProbe::OnReply(ByteView bytes) {
    switch (stage_) {
        case Stage::Handshake:
            if (!IsHandshakeReply(bytes)) {
                verdict_ = ProbeVerdict::Garbage;
                return finish();
            }
            stage_ = Stage::Identification;
            return {IdentificationRequest(), kIdentificationReplyLength, false};
        case Stage::Identification:
            if (const auto id = ParseIdentificationReply(bytes)) {
                model_ = id->Model;
                firmware_ = id->Firmware;
                verdict_ =
                    model_ == expectedModel_ ? ProbeVerdict::ThisModel : ProbeVerdict::OtherModel;
            } else {
                verdict_ = ProbeVerdict::Garbage;
            }
            // The handshake was answered: the radio is in programming mode until it hears END.
            return sendEnd();
        case Stage::End:
            return finish();
        default:
            return finish();
    }
}

ProbeStep RadioProbe::OnTimeout(ByteView partial) {
    switch (stage_) {
        case Stage::Handshake:
            verdict_ = partial.empty() ? ProbeVerdict::NoAnswer : ProbeVerdict::Garbage;
            return finish();
        case Stage::Identification:
            verdict_ = partial.empty() ? ProbeVerdict::NoAnswer : ProbeVerdict::Garbage;
            return sendEnd();
        default:
            // An end request without its acknowledgement leaves the verdict as it was.
            return finish();
    }
}

ProbeStep RadioProbe::Cancel() {
    const bool mayBeProgramming = stage_ == Stage::Handshake || stage_ == Stage::Identification;
    if (stage_ != Stage::End) verdict_ = ProbeVerdict::NoAnswer;
    stage_ = Stage::Done;
    // Whatever is on the port may have heard the handshake: it is told to end, not waited for.
    if (mayBeProgramming) return {EndRequest(), 0, true};
    return {std::nullopt, 0, true};
}

}  // namespace kv
