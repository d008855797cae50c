// The core's texts (UTF-8 strings, bilingual pairs) and the object names of its tables as Qt
// strings, the same way in every window.
#pragma once

#include <QString>
#include <string>

#include "model/text_pair.h"

namespace kv {

inline QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The entry of `text` in `language`.
inline QString Text(const TextPair& text, int language) {
    return Text(text.in(language));
}

// Object names and other ASCII texts of the tables.
inline QString Latin(const char* text) {
    return QString::fromLatin1(text);
}

}  // namespace kv
