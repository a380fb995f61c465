#include "reports/engine/output_devices.h"

namespace reports {

std::string deviceNameWithoutPort(std::string_view entry) {
    std::string name(entry);
    const auto at = name.find(" on ");
    if (at != std::string::npos)
        name.erase(at, 12);
    return name;
}

std::optional<std::size_t> matchOutputDevice(const std::vector<std::string>& devices,
                                             std::string_view printerName) {
    for (std::size_t i = 0; i < devices.size(); ++i) {
        if (deviceNameWithoutPort(devices[i]) == printerName)
            return i;
    }
    return std::nullopt;
}

}  // namespace reports
