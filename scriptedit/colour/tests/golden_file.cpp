#include "golden_file.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "text/utf16le.h"

namespace orv::testkit {

namespace {

std::vector<std::wstring> Words(const std::wstring& text) {
  std::wistringstream in(text);
  std::vector<std::wstring> words;
  std::wstring w;
  while (in >> w) words.push_back(w);
  return words;
}

[[noreturn]] void Malformed(const std::string& path, int row, const char* why) {
  throw std::runtime_error(path + ":" + std::to_string(row) + ": " + why);
}

}  // namespace

wchar_t ClassLetter(ColourClass c) {
  static const wchar_t kLetters[] = L"KCNFE.STB_";
  const auto index = static_cast<std::size_t>(c);
  return index < 10 ? kLetters[index] : L'?';
}

std::wstring ClassLetters(const std::vector<ColourClass>& classes) {
  std::wstring letters;
  for (ColourClass c : classes) letters.push_back(ClassLetter(c));
  return letters;
}

GoldenFile ReadGoldenFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  GoldenFile file;
  bool capitalise = true;
  std::wstring language = L"VBScript";
  bool errorLine = false;
  std::string raw;
  int row = 0;
  while (std::getline(in, raw)) {
    ++row;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const std::wstring line = FromUtf8(raw);
    if (line.empty() || line[0] == L'#') continue;
    const std::wstring rest = line.size() > 2 ? line.substr(2) : std::wstring();
    switch (line[0]) {
      case L'!': {
        const auto words = Words(line.substr(1));
        if (words.empty()) Malformed(path, row, "empty directive");
        const std::vector<std::wstring> args(words.begin() + 1, words.end());
        if (words[0] == L"builtins") {
          file.builtins.insert(file.builtins.end(), args.begin(), args.end());
        } else if (words[0] == L"tags") {
          file.tags.insert(file.tags.end(), args.begin(), args.end());
        } else if (words[0] == L"functions") {
          file.functions.insert(file.functions.end(), args.begin(), args.end());
        } else if (words[0] == L"capitalise" && args.size() == 1) {
          capitalise = args[0] == L"on";
        } else if (words[0] == L"language" && args.size() == 1) {
          language = args[0];
        } else if (words[0] == L"errorline") {
          errorLine = true;
        } else {
          Malformed(path, row, "unknown directive");
        }
        break;
      }
      case L'<': {
        GoldenCase c;
        c.file = path;
        c.row = row;
        c.text = c.expectedText = rest;
        c.capitalise = capitalise;
        c.language = language;
        c.errorLine = errorLine;
        errorLine = false;
        file.cases.push_back(std::move(c));
        break;
      }
      case L'>':
        if (file.cases.empty()) Malformed(path, row, "'>' before any '<'");
        file.cases.back().expectedText = rest;
        break;
      case L'=':
        if (file.cases.empty()) Malformed(path, row, "'=' before any '<'");
        file.cases.back().expectedClasses = rest;
        break;
      default:
        Malformed(path, row, "row must start with #, !, <, > or =");
    }
  }
  for (const auto& c : file.cases) {
    if (c.expectedClasses.size() != c.text.size()) Malformed(path, c.row, "class letters not as long as the line");
  }
  return file;
}

}  // namespace orv::testkit
