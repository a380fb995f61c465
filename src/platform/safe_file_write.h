#pragma once

// Writes a whole file so that a failure never leaves a damaged file behind: the bytes go
// to a temporary file in the same folder, every write is checked, the size is checked,
// the file is flushed to disk and renamed over the old name, and the folder is flushed.
// On any failure the temporary file is removed and the old file stays as it was. A path
// that is a symbolic link replaces the file it points to and keeps the link.

#include <functional>
#include <string>
#include <string_view>

namespace platform {

struct FileWriteOptions {
    // Permission bits of a file that does not exist yet; an existing file keeps its own.
    unsigned newFileMode = 0600;
    // When above 0 the written size must be a multiple of it (plan files: 13044).
    std::size_t sizeMultiple = 0;
    // Fail instead of replacing a file that exists (also one that appears meanwhile).
    bool failIfExists = false;
};

// Returns true when `path` now holds exactly `bytes`. On failure returns false, leaves
// the old file untouched and, when `error` is given, stores the system's message.
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error,
                         const FileWriteOptions& options = {});

// Test hook: asked once for every call of writeFileAtomically with the target path;
// returning true makes that call fail in its write step as on a full disk. An empty
// function removes the hook.
using WriteFaultHook = std::function<bool(const std::string& path)>;
void setWriteFaultHook(WriteFaultHook hook);

// Convenience for tests: the n-th call of writeFileAtomically from now (1 = the next one)
// fails; every later call succeeds.
void failNthWrite(int n);

}  // namespace platform
