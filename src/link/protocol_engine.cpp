// The programming session state machine: handshake, identification, the block walk, the end
// request, retransmission and the common end of every session.
#include "link/protocol_engine.h"

#include <utility>

#include "link/link_texts.h"
#include "link/progress.h"
#include "link/transfer_map.h"
#include "model/fixed_text.h"

namespace kv {

ProtocolEngine::ProtocolEngine(MemoryImage& image, RadioFacts& radio, const VersionTable& versions)
    : image_(image), radio_(radio), versions_(versions) {}

// Each step accepts only the kind of reply its outstanding frame asks for. A reply of another
// kind (an identification reply where an acknowledgement is due, a stale handshake reply) is
// dropped like garbage, so it cannot move the session past a frame the radio never answered.
const ProtocolEngine::StepRow& ProtocolEngine::currentRow() const {
    static constexpr StepRow kReadSteps[] = {
        {kStepHandshake, ReplyKind::Handshake, &ProtocolEngine::RequestIdentification},
        {kStepIdentification, ReplyKind::Identification, &ProtocolEngine::readAfterIdentification},
        {kStepReadBlock, ReplyKind::Data, &ProtocolEngine::ReadNextBlock},
        {kStepEnd, ReplyKind::Acknowledgement, &ProtocolEngine::endWithSuccess},
    };
    static constexpr StepRow kWriteSteps[] = {
        {kStepHandshake, ReplyKind::Handshake, &ProtocolEngine::RequestIdentification},
        {kStepIdentification, ReplyKind::Identification, &ProtocolEngine::writeAfterIdentification},
        {kStepWriteBlock, ReplyKind::Acknowledgement, &ProtocolEngine::WriteNextBlock},
        {kStepEnd, ReplyKind::Acknowledgement, &ProtocolEngine::endWithSuccess},
    };
    // Step 70, the stop step and any step the tables do not name end the session as failed.
    static constexpr StepRow kOtherStep = {kStepEndAfterFailedIdentification,
                                           ReplyKind::Acknowledgement,
                                           &ProtocolEngine::endWithFailure};

    const std::span<const StepRow> rows =
        kind_ == TransferKind::Read ? std::span<const StepRow>(kReadSteps) : kWriteSteps;
    for (const auto& row : rows)
        if (row.step == step_) return row;
    return kOtherStep;
}

void ProtocolEngine::Prepare(TransferKind kind) {
    kind_ = kind;
    step_ = kStepPrepared;
    currentAddress_ = kWalkStart;
    lastPercent_ = 0;
    retryCount_ = 0;
    lastFrame_.clear();
    expectedReplyLength_ = 1;
    awaitingVersionAnswer_ = false;
    dataSent_ = false;
    blocksOutstanding_ = false;
}

SessionActions ProtocolEngine::StartHandshake() {
    SessionActions actions;
    if (kind_ == TransferKind::Idle || step_ != kStepPrepared) return actions;
    if (kind_ == TransferKind::Read) image_.clear();
    step_ = kStepHandshake;
    send(HandshakeRequest(), kHandshakeExpects, actions);
    return actions;
}

SessionActions ProtocolEngine::OnReceive(ByteView bytes) {
    SessionActions actions;
    // Room for the most one reply leads to (progress, timer stop and start, discard, frame),
    // taken once: this runs for every exchange.
    actions.reserve(6);
    if (!running() || awaitingVersionAnswer_) return actions;
    const Reply reply = ClassifyReply(bytes, currentAddress_);
    const StepRow& row = currentRow();
    if (reply.Kind != row.expects) return actions;

    if (reply.Id) {
        radio_.RadioModel = reply.Id->Model;
        radio_.RadioOptionFlag = reply.Id->OptionFlag;
        radio_.FirmwareVersion = reply.Id->Firmware;
    }
    if (reply.Block) {
        PutImageBlock(image_, reply.Block->Address, reply.Block->Data);
        UpdateProgress(actions);
    }
    actions.emplace_back(StopReplyTimer{});
    (this->*row.onReply)(actions);
    return actions;
}

SessionActions ProtocolEngine::Retransmit() {
    SessionActions actions;
    if (!running() || awaitingVersionAnswer_) return actions;
    actions.emplace_back(StopReplyTimer{});
    if (retryCount_ >= kMaxTransmissions) {
        // After a failed identification the message or the question has said why already, and
        // a user who stopped the transfer knows.
        if (step_ != kStepEndAfterFailedIdentification && step_ != kStepStopping)
            AddPendingMessage(NoAnswerText());
        EndSession(SessionResult::Failed, actions);
        return actions;
    }
    ++retryCount_;
    actions.emplace_back(StartReplyTimer{});
    actions.emplace_back(DiscardBuffers{});
    actions.emplace_back(SendFrame{lastFrame_, expectedReplyLength_, true});
    return actions;
}

SessionActions ProtocolEngine::AnswerVersionQuestion(bool handedOver) {
    SessionActions actions;
    if (!awaitingVersionAnswer_) return actions;
    awaitingVersionAnswer_ = false;
    if (handedOver)
        EndSession(SessionResult::HandedOver, actions);
    else
        SendEnd(true, actions);
    return actions;
}

SessionActions ProtocolEngine::LinkFailed(const TextPair& reason) {
    SessionActions actions;
    if (kind_ == TransferKind::Idle) return actions;
    AddPendingMessage(reason);
    EndSession(SessionResult::Failed, actions);
    return actions;
}

SessionActions ProtocolEngine::Stop() {
    if (!running()) return Abandon();
    SessionActions actions;
    if (step_ == kStepStopping) return actions;
    awaitingVersionAnswer_ = false;
    step_ = kStepStopping;
    send(EndRequest(), kEndExpects, actions);
    retryCount_ = kMaxTransmissions;  // one reply timer, no retransmission
    return actions;
}

SessionActions ProtocolEngine::Abandon() {
    SessionActions actions;
    if (kind_ != TransferKind::Idle) EndSession(SessionResult::Failed, actions);
    return actions;
}

IdentificationCheck ProtocolEngine::CheckIdentification() const {
    if (TrimName(radio_.ExpectedModel) != radio_.RadioModel) return IdentificationCheck::ModelWrong;
    if (!IsCompatibleVersion(versions_, kProgramVersion, radio_.FirmwareVersion))
        return IdentificationCheck::VersionUnlisted;
    return IdentificationCheck::Passed;
}

void ProtocolEngine::send(Frame frame, std::size_t expectedReplyLength, SessionActions& actions) {
    lastFrame_ = frame;
    expectedReplyLength_ = expectedReplyLength;
    retryCount_ = 1;
    actions.emplace_back(StartReplyTimer{});
    actions.emplace_back(DiscardBuffers{});
    actions.emplace_back(SendFrame{std::move(frame), expectedReplyLength, false});
}

void ProtocolEngine::RequestIdentification(SessionActions& actions) {
    step_ = kStepIdentification;
    send(IdentificationRequest(), kIdentificationExpects, actions);
}

void ProtocolEngine::readAfterIdentification(SessionActions& actions) {
    afterIdentification(kStepReadBlock, &ProtocolEngine::ReadNextBlock, actions);
}

void ProtocolEngine::writeAfterIdentification(SessionActions& actions) {
    afterIdentification(kStepWriteBlock, &ProtocolEngine::WriteNextBlock, actions);
}

void ProtocolEngine::afterIdentification(int nextStep, StepHandler next, SessionActions& actions) {
    switch (CheckIdentification()) {
        case IdentificationCheck::Passed:
            step_ = nextStep;
            (this->*next)(actions);
            return;
        case IdentificationCheck::ModelWrong:
            AddPendingMessage(ModelWrongText());
            SendEnd(true, actions);
            return;
        case IdentificationCheck::VersionUnlisted:
            awaitingVersionAnswer_ = true;
            actions.emplace_back(
                AskVersionQuestion{radio_.FirmwareVersion,
                                   VersionMismatchText(kProgramVersion, radio_.FirmwareVersion,
                                                       static_cast<int>(VersionKind::Firmware))});
            return;
    }
}

void ProtocolEngine::ReadNextBlock(SessionActions& actions) {
    currentAddress_ = NextAddress(currentAddress_);
    if (currentAddress_ >= kImageEnd) {
        SendEnd(false, actions);
        return;
    }
    send(ReadRequest(static_cast<std::uint32_t>(currentAddress_)), kReadExpects, actions);
}

void ProtocolEngine::WriteNextBlock(SessionActions& actions) {
    currentAddress_ = NextAddress(currentAddress_);
    if (currentAddress_ >= kImageEnd) {
        SendEnd(false, actions);
        return;
    }
    const auto address = static_cast<std::uint32_t>(currentAddress_);
    Frame frame = DataFrame(address, ImageBlock(image_, address));
    dataSent_ = true;
    blocksOutstanding_ = true;
    UpdateProgress(actions);
    send(std::move(frame), kWriteExpects, actions);
}

void ProtocolEngine::SendEnd(bool afterFailedIdentification, SessionActions& actions) {
    blocksOutstanding_ = false;
    step_ = afterFailedIdentification ? kStepEndAfterFailedIdentification : kStepEnd;
    send(EndRequest(), kEndExpects, actions);
}

void ProtocolEngine::UpdateProgress(SessionActions& actions) {
    const int percent = TransferPercent(currentAddress_);
    if (percent - lastPercent_ < 1) return;
    lastPercent_ = percent;
    actions.emplace_back(ShowProgress{percent});
}

void ProtocolEngine::endWithSuccess(SessionActions& actions) {
    EndSession(SessionResult::Succeeded, actions);
}

void ProtocolEngine::endWithFailure(SessionActions& actions) {
    EndSession(SessionResult::Failed, actions);
}

void ProtocolEngine::EndSession(SessionResult result, SessionActions& actions) {
    SessionOutcome outcome;
    outcome.Kind = kind_;
    outcome.Result = result;
    outcome.DataSent = dataSent_;
    outcome.PartlyWritten = result != SessionResult::Succeeded && blocksOutstanding_;
    if (outcome.PartlyWritten) AddPendingMessage(PartlyWrittenText());
    outcome.PendingMessages = std::exchange(pendingMessages_, {});
    if (result == SessionResult::Succeeded)
        outcome.Completion =
            kind_ == TransferKind::Read ? ReadCompletedText() : WriteCompletedText();

    kind_ = TransferKind::Idle;
    step_ = kStepPrepared;
    awaitingVersionAnswer_ = false;
    dataSent_ = false;
    blocksOutstanding_ = false;
    actions.emplace_back(StopReplyTimer{});
    actions.emplace_back(ClosePort{});
    actions.emplace_back(SessionEnded{std::move(outcome)});
}

bool ProtocolEngine::AddPendingMessage(const TextPair& message) {
    if (pendingMessages_.size() >= kMaxPendingMessages) return false;
    pendingMessages_.push_back(message);
    return true;
}

}  // namespace kv
