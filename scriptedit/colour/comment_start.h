// Where a comment starts in a line of script text.
#pragma once
#include <cstddef>
#include <string>

namespace orv {

// True when a comment starts at `i`: an apostrophe, "//", or "REM" in any case that is
// neither preceded nor followed by a letter, digit or "_". Positions at or past the end
// start nothing.
bool IsCommentStart(const std::wstring& text, std::size_t i);

}  // namespace orv
