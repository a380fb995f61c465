#include "reports/engine/utf8_text.h"

namespace reports {
namespace {

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if (!isContinuation(c))
            ++count;
    }
    return count;
}

void utf8DropLast(std::string& text) {
    // Back over at most three continuation bytes to the lead byte of the last character.
    std::size_t start = text.size();
    for (int step = 0; step < 4 && start > 0; ++step) {
        --start;
        if (!isContinuation(text[start]))
            break;
    }
    text.erase(start);
}

}  // namespace reports
