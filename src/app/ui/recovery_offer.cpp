// Offering the recovery copies left behind.
#include "app/ui/recovery_offer.h"

#include <QFileInfo>

#include "app/recovery_texts.h"
#include "app/ui/main_window.h"
#include "files/recovery_file.h"
#include "gui/message_box.h"
#include "platform/recovery_store.h"

namespace kv {

void OfferLeftRecoveries(MainWindow& main, const QString& folder) {
    for (LeftRecoveryFile& left : FindLeftRecoveryFiles(folder)) {
        const std::optional<std::vector<std::uint8_t>> bytes = left.Read();
        // Removed by its own program between the folder's list and now: that program ended well.
        if (!bytes && !QFileInfo::exists(left.path())) continue;
        const DecodedRecovery decoded =
            bytes ? DecodeRecovery(*bytes) : DecodedRecovery{RecoveryProblem::Damaged, {}, {}};
        const int language = main.Language();
        if (decoded.Problem != RecoveryProblem::None) {
            const std::string aside = left.SetAside().toStdString();
            const TextPair text = decoded.Problem == RecoveryProblem::OtherVersion
                                      ? RecoveryOtherVersionText(decoded.Version, aside)
                                      : RecoveryDamagedText(aside);
            ShowMessage(&main, language, text, MessageButtons::Ok, MessageIcon::Warning);
            continue;
        }
        RecoveryContent& content = *decoded.Content;
        const MessageAnswer answer =
            ShowMessage(&main, language, RestoreQuestionText(content.DocumentName, content.TakenAt),
                        MessageButtons::YesNo, MessageIcon::Question);
        if (answer != MessageAnswer::Yes) {
            left.Remove();
            continue;
        }
        // The document on the screen may hold edits of its own: the usual question first. A
        // Cancel keeps the copy for the next start.
        if (!main.ConfirmDiscardOrSave()) continue;
        main.RestoreDocument(content);
        left.Remove();
    }
}

}  // namespace kv
