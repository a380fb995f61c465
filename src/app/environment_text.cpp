#include "app/environment_text.h"

#include <cstdlib>

namespace app {

std::optional<std::string> processEnvironment(const std::string& name) {
    if (name.empty())
        return std::nullopt;
    const char* v = std::getenv(name.c_str());
    if (!v)
        return std::nullopt;
    return std::string(v);
}

std::string ExpandEnvironmentText(const std::string& text, const EnvironmentLookup& lookup) {
    try {
        std::string result;
        std::string rest = text;
        int substitutions = 0;
        for (;;) {
            const std::size_t open = rest.find('%');
            if (open == std::string::npos) {
                result += rest;
                break;
            }
            result += rest.substr(0, open);
            rest.erase(0, open + 1);
            const std::size_t close = rest.find('%');
            if (close == std::string::npos) {
                result += "%" + rest;
                break;
            }
            const std::string name = rest.substr(0, close);
            const std::optional<std::string> value = lookup(name);
            if (value && !value->empty()) {
                if (++substitutions > kMaxSubstitutions)
                    return text;
                rest = *value + rest.substr(close + 1);
            } else {
                result += "%" + name;
                rest.erase(0, close);  // the closing "%" opens the next reference
            }
            if (result.size() + rest.size() > kMaxLength)
                return text;
        }
        return result;
    } catch (...) {
        return text;
    }
}

}  // namespace app
