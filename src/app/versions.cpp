#include "app/versions.h"

namespace app {
namespace {

std::string takeComponent(std::string& text) {
    const std::size_t dot = text.find('.');
    std::string part = text.substr(0, dot);
    text = dot == std::string::npos ? std::string() : text.substr(dot + 1);
    return part;
}

}  // namespace

int CompareVersions(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty())
        return 0;
    std::string restA = a;
    std::string restB = b;
    int result = 2;
    do {
        const std::string ca = takeComponent(restA);
        const std::string cb = takeComponent(restB);
        if (ca.empty() && cb.empty()) {
            result = 0;
        } else if (ca.empty()) {
            result = 1;
        } else if (cb.empty()) {
            result = 3;
        } else {
            const int c = ca.compare(cb);
            result = c < 0 ? 1 : c == 0 ? 2 : 3;
        }
    } while (result == 2 && (!restA.empty() || !restB.empty()));
    return result;
}

}  // namespace app
