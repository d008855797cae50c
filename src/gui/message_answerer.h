// For windows that ask a question in their own way, not through a message box: the answer of
// the test's answerer (SetMessageAnswerer), when one is set.
#pragma once

#include <optional>

#include "gui/message_box.h"

namespace kv {

std::optional<MessageAnswer> AnsweredByAnswerer(const MessageRequest& request);

}  // namespace kv
