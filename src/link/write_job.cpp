// The write job's phases and decisions.
#include "link/write_job.h"

#include <cstdio>
#include <utility>

#include "link/link_texts.h"
#include "link/transfer_map.h"

namespace kv {
namespace {

std::string Hex(std::uint32_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%05X", address);
    return text;
}

TextPair BackupNotKeptText() {
    return {"The backup of the radio could not be saved, so nothing was written.",
            "未能保存对讲机的备份，因此没有写入任何数据。"};
}

void Append(std::vector<TextPair>& to, const std::vector<TextPair>& messages) {
    to.insert(to.end(), messages.begin(), messages.end());
}

}  // namespace

const TextPair& JobPhaseText(JobPhase phase) {
    static const TextPair kBackup{"Backing up the radio", "正在备份对讲机"};
    static const TextPair kWrite{"Writing to the radio", "正在写入对讲机"};
    static const TextPair kVerify{"Verifying the radio", "正在校验对讲机"};
    switch (phase) {
        case JobPhase::Backup:
            return kBackup;
        case JobPhase::Verify:
            return kVerify;
        case JobPhase::Write:
            break;
    }
    return kWrite;
}

TextPair BackupReadFailedText() {
    return {"The radio could not be read for the backup before writing, so nothing was written.",
            "写入前未能读取对讲机进行备份，因此没有写入任何数据。"};
}

TextPair VerifyReadFailedText() {
    return {
        "The write could not be verified: the radio could not be read back. Write to the "
        "radio again to be sure it holds the data.",
        "无法校验写入：未能从对讲机读回数据。请重新向对讲机写入数据，以确保其中的数据正确。"};
}

const char* JobPhaseName(JobPhase phase) {
    switch (phase) {
        case JobPhase::Backup:
            return "backup read";
        case JobPhase::Verify:
            return "verify read";
        case JobPhase::Write:
            break;
    }
    return "write";
}

TextPair VerifyMismatchText(const std::vector<std::uint32_t>& differing) {
    std::string addresses;
    std::string addressesZh;
    for (std::size_t i = 0; i < differing.size() && i < kDifferingBlocksNamed; ++i) {
        addresses += (i == 0 ? "" : ", ") + Hex(differing[i]);
        addressesZh += (i == 0 ? "" : "、") + Hex(differing[i]);
    }
    const std::string count = std::to_string(differing.size());
    const bool one = differing.size() == 1;
    return {"Verifying found " + count + (one ? " block that differs" : " blocks that differ") +
                " from what was written, " + (one ? "at " : "the first at ") + addresses +
                ". The radio must be written again.",
            "校验发现 " + count + " 个数据块与写入的数据不同，" +
                (one ? "位于 " : "最前面的位于 ") + addressesZh + "。必须重新向对讲机写入数据。"};
}

WriteJob::WriteJob(const MemoryImage& toWrite, WriteJobOptions options)
    : toWrite_(std::make_unique<MemoryImage>(toWrite)) {
    if (options.BackupFirst) phases_.push_back(JobPhase::Backup);
    phases_.push_back(JobPhase::Write);
    if (options.VerifyAfter) phases_.push_back(JobPhase::Verify);
}

TransferKind WriteJob::SessionKind() const {
    return phase() == JobPhase::Write ? TransferKind::Write : TransferKind::Read;
}

void WriteJob::PrepareImage(MemoryImage& sessionImage) const {
    if (phase() == JobPhase::Write) sessionImage = *toWrite_;
}

int WriteJob::OverallPercent(int phasePercent) const {
    const int count = static_cast<int>(phases_.size());
    return (static_cast<int>(index_) * 100 + phasePercent) / count;
}

JobStep WriteJob::PhaseEnded(const SessionOutcome& outcome, const MemoryImage& sessionImage) {
    JobStep step;
    std::vector<TextPair> messages = outcome.PendingMessages;
    const JobPhase ended = phase();
    if (outcome.Result == SessionResult::HandedOver) {
        step.Finished = true;
        step.Outcome = finish(SessionResult::HandedOver, std::move(messages));
        return step;
    }
    if (!outcome.succeeded()) {
        if (ended == JobPhase::Backup) messages.push_back(BackupReadFailedText());
        if (ended == JobPhase::Verify) messages.push_back(VerifyReadFailedText());
        step.Finished = true;
        step.Outcome = finish(SessionResult::Failed, std::move(messages));
        return step;
    }
    Append(messages_, messages);
    if (ended == JobPhase::Backup) step.Keep = BackupKind::Read;
    if (ended == JobPhase::Write) step.Keep = BackupKind::Written;
    if (ended == JobPhase::Verify) {
        differing_ = DifferingBlocks(sessionImage, *toWrite_);
        step.Finished = true;
        step.Outcome = differing_.empty()
                           ? finish(SessionResult::Succeeded, {})
                           : finish(SessionResult::Failed, {VerifyMismatchText(differing_)});
        return step;
    }
    if (index_ + 1 == phases_.size()) {
        step.Finished = true;
        step.Outcome = finish(SessionResult::Succeeded, {});
        return step;
    }
    ++index_;
    return step;
}

std::string WriteJob::TraceText(const SessionOutcome& outcome) const {
    std::string out = "Job: write to the radio (";
    for (std::size_t i = 0; i < phases_.size(); ++i)
        out += (i == 0 ? "" : ", ") + std::string(JobPhaseName(phases_[i]));
    out += ")\nJob outcome: ";
    if (outcome.Result == SessionResult::HandedOver)
        out += "handed over to another program version";
    else if (!differing_.empty())
        out += "failed, the verify read found " + std::to_string(differing_.size()) +
               (differing_.size() == 1 ? " block" : " blocks") + " different from what was written";
    else
        out += outcome.succeeded() ? "succeeded"
                                   : "failed in the " + std::string(JobPhaseName(phase()));
    out += '\n';
    if (!differing_.empty()) {
        out += "Differing blocks:";
        for (std::uint32_t address : differing_) out += ' ' + Hex(address);
        out += '\n';
    }
    for (const TextPair& message : outcome.PendingMessages)
        out += "Job message: " + message.en + '\n';
    return out;
}

SessionOutcome WriteJob::BackupNotKept(const TextPair& reason) {
    return finish(SessionResult::Failed, {reason, BackupNotKeptText()});
}

SessionOutcome WriteJob::finish(SessionResult result, std::vector<TextPair> messages) {
    SessionOutcome outcome;
    outcome.Kind = TransferKind::Write;
    outcome.Result = result;
    outcome.PendingMessages = std::exchange(messages_, {});
    Append(outcome.PendingMessages, messages);
    if (result == SessionResult::Succeeded) outcome.Completion = WriteCompletedText();
    return outcome;
}

}  // namespace kv
