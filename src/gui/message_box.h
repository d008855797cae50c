// Every message box of the program goes through ShowMessage: it takes the text in both languages
// and shows it in the current one. Tests replace the boxes by an answerer.
#pragma once

#include <functional>
#include <string>

#include "model/text_pair.h"

class QWidget;

namespace kv {

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageIcon { None, Information, Question, Warning, Critical };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    TextPair Text;
    std::string Shown;  // the text in the language it was shown in
    MessageButtons Buttons;
    MessageIcon Icon;
};

using MessageAnswerer = std::function<MessageAnswer(const MessageRequest&)>;

// While an answerer is set, no box is shown: the answerer gives the answer. An empty answerer
// brings the boxes back.
void SetMessageAnswerer(MessageAnswerer answerer);

// Shows `text` in `language` with the buttons and icon given, modal to `parent`, and returns the
// button chosen. Closing the box answers Cancel, or No when there is no Cancel, or Ok.
MessageAnswer ShowMessage(QWidget* parent, int language, const TextPair& text,
                          MessageButtons buttons = MessageButtons::Ok,
                          MessageIcon icon = MessageIcon::None);

}  // namespace kv
