#include "ui/key_filters.h"

namespace ui {
namespace {

bool isControl(char32_t key) {
    return key < 32;
}
bool isDigit(char32_t key) {
    return key >= U'0' && key <= U'9';
}

}  // namespace

bool DigitsOnlyAccepts(char32_t key) {
    return isControl(key) || isDigit(key);
}

bool NumericOnlyAccepts(const std::string& editText, char32_t key,
                        const std::string& decimalSeparator) {
    if (isControl(key) || isDigit(key) || key == U',')
        return true;
    const bool separatorFree = editText.find_first_of(".,") == std::string::npos;
    return separatorFree && decimalSeparator.size() == 1 &&
           key == static_cast<unsigned char>(decimalSeparator[0]);
}

bool ExtraPaymentAccepts(char32_t key) {
    return key != U'-' && key != U'(' && key != U')';
}

}  // namespace ui
