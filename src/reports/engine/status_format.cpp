#include "reports/engine/status_format.h"

namespace reports {

std::string formatStatus(std::string_view format, int page, const std::vector<std::string>& lines) {
    std::string out;
    out.reserve(format.size() + 16);
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%' || i + 1 == format.size()) {
            out += c;
            continue;
        }
        const char next = format[i + 1];
        if (next == 'p') {
            out += std::to_string(page);
            ++i;
        } else if (next >= '0' && next <= '9') {
            const auto index = static_cast<std::size_t>(next - '0');
            if (index < lines.size())
                out += lines[index];
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace reports
