#include "edit_text.h"

namespace vse {

std::uint32_t PackPosition(int line, int column) {
  return (static_cast<std::uint32_t>(line) & 0xFFFFu) | ((static_cast<std::uint32_t>(column) & 0xFFFFu) << 16);
}

std::wstring LeadingWhitespace(const std::wstring& line) {
  std::size_t n = 0;
  while (n < line.size() && (line[n] == L' ' || line[n] == L'\t')) ++n;
  return line.substr(0, n);
}

std::wstring WithoutLineBreak(const std::wstring& line) {
  std::size_t n = line.size();
  while (n > 0 && (line[n - 1] == L'\r' || line[n - 1] == L'\n')) --n;
  return line.substr(0, n);
}

LineRange BlockLines(int startLine, int endLine, int endColumn) {
  if (endLine > startLine && endColumn == 0) --endLine;
  return LineRange{startLine, endLine};
}

std::wstring IndentBlock(const std::vector<std::wstring>& lines, bool outdent, const std::wstring& lineBreak) {
  std::wstring out;
  for (const std::wstring& line : lines) {
    if (!outdent) {
      out += L'\t';
      out += line;
    } else if (!line.empty() && line[0] == L'\t') {
      out.append(line, 1, std::wstring::npos);
    } else {
      out += line;
    }
    out += lineBreak;
  }
  return out;
}

std::wstring WrapInProcedure(const std::wstring& header, const std::wstring& text) {
  if (header.empty()) return text;
  std::wstring out = header + L"\n" + text;
  if (text.empty() || text.back() != L'\n') out += L'\n';
  return out + L"End Sub";
}

}  // namespace vse
