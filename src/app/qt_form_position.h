#pragma once

// LoadFormPosition and SaveFormPosition for Qt windows. Bounds are the window's
// geometry (without the frame the window manager adds), so a stored position comes back
// at the same place however wide the frame is.

#include <QWidget>

#include "settings/config_base.h"
#include "settings/form_position.h"

namespace app {

class QtPositionedForm final : public settings::PositionedForm {
  public:
    explicit QtPositionedForm(QWidget* window) : window_(window) {}

    std::string componentName() const override;
    settings::FormRect bounds() const override;
    settings::FormRect normalBounds() const override;
    void setPosition(int left, int top) override;
    void setSize(int width, int height) override;
    bool isSizeable() const override;
    bool canMaximize() const override;
    bool isMaximized() const override;
    void setMaximized(bool maximized) override;

  private:
    QWidget* window_;
};

// The screens as they are now.
settings::ScreenMetrics currentScreenMetrics();

bool LoadFormPosition(settings::TConfigBase& config, QWidget* window, const std::string& name = {});
void SaveFormPosition(settings::TConfigBase& config, QWidget* window, const std::string& name = {});

}  // namespace app
