#include "app/path_macros.h"

#include <array>
#include <utility>

#include "app/folders.h"
#include "platform/text_compare.h"

namespace app {
namespace {

using Macro = std::pair<const char*, std::string>;

std::array<Macro, 8> macros() {
    using namespace platform::csidl;
    return {{
        {"[My Documents]\\", GetDocumentsFolder(false)},
        {"[Desktop]\\", GetDesktopFolder()},
        {"[CSIDL-PROGRAM-FILES]\\", GetSpecialFolder(ProgramFiles)},
        {"[CSIDL-PROGRAM-FILES-COMMON]", GetSpecialFolder(ProgramFilesCommon)},
        {"[CSIDL-COMMON-DOCUMENTS]", GetSpecialFolder(CommonDocuments)},
        {"[CSIDL-APPDATA]", GetSpecialFolder(AppData)},
        {"[CSIDL-LOCAL-APPDATA]", GetSpecialFolder(LocalAppData)},
        {"[CSIDL-COMMON-APPDATA]", GetSpecialFolder(CommonAppData)},
    }};
}

}  // namespace

std::string FoldPathMacros(const std::string& path) {
    std::string out = path;
    for (const auto& [macro, folder] : macros()) {
        if (!folder.empty())
            out = platform::replaceAll(out, folder, macro);
    }
    return out;
}

std::string ExpandPathMacros(const std::string& path) {
    std::string out = path;
    const std::size_t close = out.find(']');
    if (out.find("[CSIDL") != std::string::npos && close != std::string::npos) {
        for (std::size_t i = 0; i <= close; ++i) {
            if (out[i] == ' ' || out[i] == '_')
                out[i] = '-';
        }
    }
    for (const auto& [macro, folder] : macros()) {
        if (!folder.empty())
            out = platform::replaceAllIgnoreCase(out, macro, folder);
    }
    return out;
}

}  // namespace app
