// Seam between the edit control and the syntax colouring: the control hands one line's
// text over and gets one colour per character back, plus the text re-spelled where a
// canonical spelling applies (only letter case may change, so positions stay valid).
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vse {

using Colour = std::uint32_t;  // COLORREF layout: red in the low byte

constexpr Colour kNormalColour = 0;  // black

class ILineColourer {
 public:
  virtual ~ILineColourer() = default;
  // Fills `colours` with one entry per character of `text` (left empty: the line keeps
  // its colours) and may rewrite `text` in place.
  virtual void ColourLine(int line, std::wstring& text, std::vector<Colour>& colours) = 0;
  // The control's language changed (keywords are loaded for "VBScript").
  virtual void SetLanguage(const std::wstring& language) = 0;
  virtual void SetCapitalize(bool capitalize) = 0;
  virtual bool Capitalize() const = 0;
};

// Every character in the normal colour, text unchanged: the behaviour until syntax
// colouring is plugged in.
class NormalLineColourer final : public ILineColourer {
 public:
  void ColourLine(int, std::wstring& text, std::vector<Colour>& colours) override {
    colours.assign(text.size(), kNormalColour);
  }
  void SetLanguage(const std::wstring&) override {}
  void SetCapitalize(bool capitalize) override { capitalize_ = capitalize; }
  bool Capitalize() const override { return capitalize_; }

 private:
  bool capitalize_ = true;
};

}  // namespace vse
