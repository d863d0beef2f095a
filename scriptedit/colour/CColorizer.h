// Colours one line of script text and re-spells keywords and built-in names.
#pragma once
#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "colour_classes.h"
#include "colour_lookups.h"

namespace orv {

class CColorizer {
 public:
  CColorizer() = default;  // default colours, capitalise on, no keywords

  // Not owned. Without a scripter no line is coloured.
  void SetScripter(IScriptNameLookup* scripter) { scripter_ = scripter; }
  IScriptNameLookup* scripter() const { return scripter_; }
  // Not owned. Without a host no word is a tag or host function.
  void SetHost(IHostNameLookup* host) { host_ = host; }

  void SetCapitalize(bool on) { capitalise_ = on; }
  bool Capitalize() const { return capitalise_; }

  void SetColours(const ColourTable& colours) { colours_ = colours; }
  const ColourTable& Colours() const { return colours_; }

  // Replaces the keywords with those of the keyword resource text: one keyword per line
  // feed, carriage returns dropped, text after the last line feed ignored.
  void LoadKeywords(const std::wstring& resourceText);
  void ClearKeywords();
  std::size_t KeywordCount() const { return spellings_.size(); }
  // The languages whose keywords the resource holds ("VBScript", any case).
  static bool HasKeywords(const std::wstring& language);

  // Colours `text`, line `line` of the document, one class per character, and rewrites
  // keywords and built-in names in their spelling when capitalising (letter case only,
  // so positions stay valid). Empty result for an empty text or without a scripter.
  void ColourLine(int line, std::wstring& text, std::vector<ColourClass>& classes) const;
  // The same, as colour values.
  void ColourLine(int line, std::wstring& text, std::vector<ColourRef>& colours) const;

  ColourRef ColourOf(ColourClass c) const { return colours_.Get(c); }

 private:
  void PaintWords(std::wstring& text, std::vector<ColourClass>& classes) const;
  bool SpellKeyword(const std::wstring& word, std::wstring& spelling) const;

  IScriptNameLookup* scripter_ = nullptr;
  IHostNameLookup* host_ = nullptr;
  bool capitalise_ = true;
  ColourTable colours_;
  std::vector<std::wstring> spellings_;                        // as written in the resource
  std::unordered_map<std::wstring, std::wstring> byUpperCase_;  // upper case -> last spelling
};

}  // namespace orv
