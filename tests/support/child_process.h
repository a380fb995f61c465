#pragma once

// Runs test code in a forked child process, for failures that must not touch the test
// process itself: a file-size limit (RLIMIT_FSIZE) that makes writes fail part-way, or
// a process killed in the middle of a save.

#include <functional>
#include <string>

namespace testing_support {

struct ChildResult {
    int exitCode = -1;    // the child's exit status; -1 when it was killed
    int signal = 0;       // the signal that ended it, 0 when it exited
    std::string message;  // what the child wrote with reportToParent()
};

// Runs `body` in a child and waits for it. The child ends with body's return value.
// `reportToParent` (valid only inside the body) sends a text back to the parent.
ChildResult runInChild(const std::function<int()>& body);

// As runInChild, with files limited to `maxFileBytes` in the child; SIGXFSZ is ignored,
// so a write beyond the limit fails with EFBIG ("File too large") instead of killing it.
ChildResult runWithFileSizeLimit(unsigned long long maxFileBytes, const std::function<int()>& body);

// Starts `loop` in a child, waits until the child has called reportToParent() once (so
// the loop is running), lets it run for `delayMicroseconds` more and kills it (SIGKILL).
ChildResult killWhileRunning(const std::function<int()>& loop, unsigned delayMicroseconds);

// Inside a child body: sends `text` to the parent (appended to ChildResult::message).
void reportToParent(const std::string& text);

}  // namespace testing_support
