// Text rules of the script edit control that need no window: block indent, auto-indent,
// the packed caret position of notifications, the procedure wrapper of Check Script.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace vse {

// Line in the low 16 bits, column in the high 16 bits.
std::uint32_t PackPosition(int line, int column);

// Spaces and tabs at the start of the line.
std::wstring LeadingWhitespace(const std::wstring& line);

// The line without trailing carriage returns and line feeds.
std::wstring WithoutLineBreak(const std::wstring& line);

// Lines touched by a block indent: from the selection's first line to its last, without
// the last one when the selection ends at its column 0.
struct LineRange {
  int first;
  int last;
};
LineRange BlockLines(int startLine, int endLine, int endColumn);

// Each line with a tab put in front (indent) or one leading tab removed (outdent), every
// line followed by `lineBreak`.
std::wstring IndentBlock(const std::vector<std::wstring>& lines, bool outdent, const std::wstring& lineBreak);

// What Check Script compiles: the text alone, or wrapped in the procedure header and
// "End Sub" (with a line feed before it when the text does not end with one).
std::wstring WrapInProcedure(const std::wstring& header, const std::wstring& text);

}  // namespace vse
