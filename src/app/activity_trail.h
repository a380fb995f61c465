#pragma once

// The crash trail: a text naming the shared routines that are running, so a crash log
// can say what was under way. Routines append "<Unit>.<Routine> " while they run and
// restore the earlier text when they finish.

#include <string>

namespace app {

class ActivityTrail {
  public:
    const std::string& text() const { return text_; }
    void set(std::string text) { text_ = std::move(text); }
    void clear() { text_.clear(); }

  private:
    std::string text_;
};

// The one trail of the process (CurrentActivity); the crash report reads it.
ActivityTrail& CurrentActivity();

// Appends a label for the lifetime of the object and restores the earlier text.
class ScopedActivity {
  public:
    explicit ScopedActivity(const std::string& label, ActivityTrail& trail = CurrentActivity());
    ~ScopedActivity();
    ScopedActivity(const ScopedActivity&) = delete;
    ScopedActivity& operator=(const ScopedActivity&) = delete;

  private:
    ActivityTrail& trail_;
    std::string saved_;
};

}  // namespace app
