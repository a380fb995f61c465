#pragma once

// Replaces a file's whole content without ever leaving a half-written file behind.
//
// The new content goes to a temporary file in the same folder; every write is checked to
// have written all its bytes, the file's size is checked, the file is flushed to disk
// (fsync), renamed over the old name, and the folder is flushed so the rename itself is on
// disk. On any failure the temporary file is removed and the old file stays exactly as it
// was. A replaced file keeps its permission bits; a new file is readable and writable by
// its owner only (0600). A path that is a symbolic link replaces the file it points to.

#include <string>
#include <string_view>

namespace platform {

// Returns true when `path` now holds exactly `bytes`. On failure returns false and, when
// `error` is not null, stores the system's description of what went wrong (for example
// "No space left on device"). Should flushing the folder fail after the rename, the file
// already holds the new content, but the call still reports the failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string* error);

}  // namespace platform
