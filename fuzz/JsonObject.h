// A strict reader of one JSON text (RFC 8259), for the checks of what the programs print
// with --json: it says whether a line is one whole object and which names it holds.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zfuzz {

// The names of the object's own members, in order, when `text` is exactly one JSON object
// (blanks around it allowed, nothing else); nothing when it is not. Strings must be
// well-formed UTF-8 without raw control characters; nesting deeper than 64 is refused.
// For example, {"load":"50","exact":{"z":1}} gives {"load", "exact"}.
std::optional<std::vector<std::string>> ObjectNames(std::string_view text);

} // namespace zfuzz
