#include "platform/text_compare.h"

namespace platform {
namespace {

char lowerChar(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
char upperChar(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

template <typename Equal>
std::string replaceWith(std::string_view text, std::string_view from, std::string_view to,
                        Equal equal) {
    if (from.empty())
        return std::string(text);
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (i + from.size() <= text.size() && equal(text.substr(i, from.size()), from)) {
            out += to;
            i += from.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace

std::string asciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = lowerChar(c);
    return out;
}

std::string asciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = upperChar(c);
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerChar(a[i]) != lowerChar(b[i]))
            return false;
    }
    return true;
}

std::string replaceAllIgnoreCase(std::string_view text, std::string_view from,
                                 std::string_view to) {
    return replaceWith(text, from, to, equalsIgnoreCase);
}

std::string replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    return replaceWith(text, from, to,
                       [](std::string_view a, std::string_view b) { return a == b; });
}

std::string trimBlanks(std::string_view text) {
    std::size_t b = 0;
    std::size_t e = text.size();
    while (b < e && (text[b] == ' ' || text[b] == '\t'))
        ++b;
    while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t'))
        --e;
    return std::string(text.substr(b, e - b));
}

}  // namespace platform
