#pragma once

// The settings a new plan takes its defaults from, read out of the configuration.

#include "plan/new_plan.h"
#include "settings/config_manager.h"

namespace ui {

plan::NewPlanDefaults NewPlanDefaultsFrom(const settings::TConfigManager& config);

}  // namespace ui
