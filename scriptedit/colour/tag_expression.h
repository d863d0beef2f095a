// The extent of a tag expression: "$" followed by a tag reference or a host function call.
#pragma once
#include <cstddef>
#include <string>

#include "colour_lookups.h"

namespace orv {

struct TagExpressionExtent {
  std::size_t end = 0;          // one past the coloured range [start, end)
  bool closingParen = false;    // the expression is a host function call and `end` is its ")"
};

// Scans the tag expression whose "$" is at `start`: $Tag, $ Tag[i].Member->Field, $@Tag,
// $#Name:123, $#Name:Tag, $Func(...). `host` decides whether a name followed by "(" is a
// built-in host function.
TagExpressionExtent ScanTagExpression(const std::wstring& text, std::size_t start, IHostNameLookup& host);

// One past the double quote closing the string whose opening quote is at `quote`, or the
// end of the text when the string is not closed.
std::size_t SkipString(const std::wstring& text, std::size_t quote);

}  // namespace orv
