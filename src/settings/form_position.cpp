#include "settings/form_position.h"

#include <cmath>
#include <cstring>

namespace settings {
namespace {

constexpr const char* kWindowsSection = "Windows";

void put32(std::uint8_t* p, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

std::int32_t get32(const std::uint8_t* p) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

// Centring rounds half to even.
int roundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

void centre(PositionedForm& form, const ScreenMetrics& screens) {
    const FormRect b = form.bounds();
    form.setPosition(roundEven((screens.screenWidth - b.width) / 2.0),
                     roundEven((screens.screenHeight - b.height) / 2.0));
}

bool onSomeMonitor(const FormRect& r, const ScreenMetrics& screens) {
    for (const FormRect& m : screens.monitors) {
        if (r.left < m.left + m.width && m.left < r.left + r.width && r.top < m.top + m.height &&
            m.top < r.top + r.height) {
            return true;
        }
    }
    return false;
}

std::string windowsKey() {
    return std::string(kProductKey) + "\\" + kWindowsSection;
}

}  // namespace

std::array<std::uint8_t, kFormPositionSize> encodeFormPosition(const FormPositionRecord& r) {
    std::array<std::uint8_t, kFormPositionSize> b{};
    put32(&b[0], r.left);
    put32(&b[4], r.top);
    put32(&b[8], r.width);
    put32(&b[12], r.height);
    b[16] = r.maximized ? 1 : 0;
    put32(&b[17], r.ppiX);
    put32(&b[21], r.ppiY);
    return b;
}

FormPositionRecord decodeFormPosition(const std::uint8_t* b) {
    FormPositionRecord r;
    r.left = get32(&b[0]);
    r.top = get32(&b[4]);
    r.width = get32(&b[8]);
    r.height = get32(&b[12]);
    r.maximized = b[16] == 1;
    r.ppiX = get32(&b[17]);
    r.ppiY = get32(&b[21]);
    return r;
}

std::string formPositionValueName(const TConfigBase& config, const PositionedForm& form,
                                  const std::string& name) {
    if (!name.empty())
        return name;
    std::string exe = config.program().exeName;
    const std::size_t dot = exe.rfind('.');
    if (dot != std::string::npos)
        exe.erase(dot);
    return exe + "_" + form.componentName();
}

bool LoadFormPosition(TConfigBase& config, PositionedForm& form, const ScreenMetrics& screens,
                      const std::string& name) {
    if (!config.OpenPref(cfgPerUserNonRoam, windowsKey(), true))
        return false;
    std::uint8_t bytes[kFormPositionSize] = {};
    const int n = config.GetPrefBinary(kWindowsSection, formPositionValueName(config, form, name),
                                       kFormPositionSize, bytes);
    bool restored = false;
    if (n != kFormPositionSize) {
        centre(form, screens);
    } else {
        const FormPositionRecord r = decodeFormPosition(bytes);
        if (r.left > screens.virtualWidth || r.width > screens.virtualWidth ||
            r.top > screens.virtualHeight || r.height > screens.virtualHeight) {
            centre(form, screens);
        } else {
            form.setPosition(r.left, r.top);
            if (form.isSizeable()) {
                const FormRect b = form.bounds();
                form.setSize(r.ppiX == screens.ppiX ? r.width : b.width,
                             r.ppiY == screens.ppiY ? r.height : b.height);
            }
            form.setMaximized(form.canMaximize() && r.maximized);
            if (!onSomeMonitor(form.normalBounds(), screens))
                centre(form, screens);
            restored = true;
        }
    }
    config.ClosePref();
    return restored;
}

void SaveFormPosition(TConfigBase& config, PositionedForm& form, const ScreenMetrics& screens,
                      const std::string& name) {
    if (!config.OpenPref(cfgPerUserNonRoam, windowsKey(), true))
        return;
    FormPositionRecord r;
    r.maximized = form.isMaximized();
    form.setMaximized(false);
    const FormRect b = form.normalBounds();
    r.left = b.left;
    r.top = b.top;
    r.width = b.width;
    r.height = b.height;
    r.ppiX = screens.ppiX;
    r.ppiY = screens.ppiY;
    const auto bytes = encodeFormPosition(r);
    config.SetPrefBinary(kWindowsSection, formPositionValueName(config, form, name),
                         kFormPositionSize, bytes.data());
    config.ClosePref();
}

}  // namespace settings
