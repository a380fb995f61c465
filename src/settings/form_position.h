#pragma once

// Restores and stores a window's bounds and state in the settings ("Windows" section),
// as a 25-byte little-endian record: Left, Top, Width, Height (int32), Maximized (byte),
// horizontal and vertical screen resolution in pixels per inch (int32).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/config_base.h"

namespace settings {

struct FormRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct FormPositionRecord {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool maximized = false;
    std::int32_t ppiX = 0;
    std::int32_t ppiY = 0;
};

inline constexpr int kFormPositionSize = 25;
std::array<std::uint8_t, kFormPositionSize> encodeFormPosition(const FormPositionRecord& r);
FormPositionRecord decodeFormPosition(const std::uint8_t* bytes);

// What the window positioning needs to know of the screens.
struct ScreenMetrics {
    int virtualWidth = 0;  // the whole desktop over all monitors
    int virtualHeight = 0;
    int screenWidth = 0;  // the primary screen, for centring
    int screenHeight = 0;
    int ppiX = 96;
    int ppiY = 96;
    std::vector<FormRect> monitors;
};

// A window as LoadFormPosition and SaveFormPosition see it.
class PositionedForm {
  public:
    virtual ~PositionedForm() = default;
    virtual std::string componentName() const = 0;
    virtual FormRect bounds() const = 0;        // current bounds
    virtual FormRect normalBounds() const = 0;  // bounds in the normal state
    virtual void setPosition(int left, int top) = 0;
    virtual void setSize(int width, int height) = 0;
    // A sizeable window or a sizeable tool window.
    virtual bool isSizeable() const = 0;
    // A single or sizeable border with both minimize and maximize buttons.
    virtual bool canMaximize() const = 0;
    virtual bool isMaximized() const = 0;
    virtual void setMaximized(bool maximized) = 0;  // false: the normal state
};

// "<executable name without extension>_<component name>", or `name` when not empty.
std::string formPositionValueName(const TConfigBase& config, const PositionedForm& form,
                                  const std::string& name);

bool LoadFormPosition(TConfigBase& config, PositionedForm& form, const ScreenMetrics& screens,
                      const std::string& name = {});
void SaveFormPosition(TConfigBase& config, PositionedForm& form, const ScreenMetrics& screens,
                      const std::string& name = {});

}  // namespace settings
