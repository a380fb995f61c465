#include "app/activity_trail.h"

namespace app {

ActivityTrail& CurrentActivity() {
    static ActivityTrail trail;
    return trail;
}

ScopedActivity::ScopedActivity(const std::string& label, ActivityTrail& trail)
    : trail_(trail), saved_(trail.text()) {
    trail_.set(saved_ + label);
}

ScopedActivity::~ScopedActivity() {
    trail_.set(saved_);
}

}  // namespace app
