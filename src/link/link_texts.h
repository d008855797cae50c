// The texts a radio session raises, in both languages.
#pragma once

#include "model/text_pair.h"

namespace kv {

TextPair ModelWrongText();      // "Model type is wrong."
TextPair CannotOpenPortText();  // "Cannot Open Communication Port."
TextPair ReadCompletedText();   // "Read Data Completed."
TextPair WriteCompletedText();  // "Write Data Completed."
TextPair PortLostText();        // the port vanished or failed while a session ran
TextPair NoAnswerText();        // the radio stopped answering and nothing else said why
TextPair PartlyWrittenText();   // a write ended before every data block was acknowledged

}  // namespace kv
