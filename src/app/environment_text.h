#pragma once

// Expands %NAME% references in a text from the environment.

#include <functional>
#include <optional>
#include <string>

namespace app {

using EnvironmentLookup = std::function<std::optional<std::string>(const std::string& name)>;

// The process environment.
std::optional<std::string> processEnvironment(const std::string& name);

// Replaces each %NAME% whose variable has a non-empty value by that value and expands the
// value again; a reference to an undefined or empty variable and a lone "%" stay as
// they are. A text that needs more than kMaxSubstitutions substitutions (a value that
// refers to itself) or grows beyond kMaxLength is returned unchanged.
std::string ExpandEnvironmentText(const std::string& text,
                                  const EnvironmentLookup& lookup = processEnvironment);

inline constexpr int kMaxSubstitutions = 100;
inline constexpr std::size_t kMaxLength = 32767;

}  // namespace app
