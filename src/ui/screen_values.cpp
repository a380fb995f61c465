#include "ui/screen_values.h"

#include <algorithm>
#include <charconv>

#include "app/number_text.h"

namespace ui {
namespace {

std::optional<long long> readWholeNumber(const std::string& text) {
    std::string t = Trimmed(text);
    if (!t.empty() && t.front() == '+')
        t.erase(0, 1);
    if (t.empty())
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (error != std::errc() || end != t.data() + t.size())
        return std::nullopt;
    return value;
}

}  // namespace

std::string Trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return text.substr(first, last - first);
}

std::optional<int> ReadMonths(const std::string& text) {
    const auto value = readWholeNumber(text);
    if (!value || *value < 0 || *value > 360)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<double> ReadAmount(const std::string& text, const platform::LocaleInfo& locale) {
    const std::string t = Trimmed(text);
    if (t.empty())
        return 0.0;
    try {
        return app::StrToFloat(app::StripMoneyText(t, locale), locale);
    } catch (const app::ConversionError&) {
        return std::nullopt;
    }
}

int ReadStartYear(const std::string& text) {
    const auto value = readWholeNumber(text);
    if (!value)
        return 0;
    return static_cast<int>(std::clamp<long long>(*value, 0, 65535));
}

}  // namespace ui
