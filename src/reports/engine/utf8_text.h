#pragma once

// The little UTF-8 handling the engine needs: counting characters and dropping the last one.

#include <cstddef>
#include <string>
#include <string_view>

namespace reports {

// Number of characters (code points) in a UTF-8 text; stray continuation bytes count alone.
std::size_t utf8Length(std::string_view text);

// Removes the last character (all bytes of its code point). Does nothing to an empty text.
void utf8DropLast(std::string& text);

}  // namespace reports
