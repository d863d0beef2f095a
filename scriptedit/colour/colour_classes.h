// The colour classes of script text and the settings that give each its colour.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace orv {

// A Windows COLORREF value: red in the low byte, then green, then blue.
using ColourRef = std::uint32_t;

// One class per character of a line. The first nine are the configurable colours, in
// the order of their settings; kUncoloured marks the quote characters around a string,
// which are painted with colour value 0 whatever the settings say.
enum class ColourClass : std::uint8_t {
  kKeyword = 0,
  kComment = 1,
  kNumber = 2,
  kBuiltinName = 3,
  kErrorLine = 4,
  kNormal = 5,
  kString = 6,
  kTagExpression = 7,
  kBareTagName = 8,
  kUncoloured = 9,
};

constexpr std::size_t kConfigurableColourCount = 9;

struct ColourSetting {
  const wchar_t* key;
  ColourRef defaultValue;
};

// Local program settings section that holds the colours.
inline constexpr const wchar_t* kColourSettingsSection = L"ScriptEditor";

// Keys and defaults, indexed by ColourClass.
inline constexpr std::array<ColourSetting, kConfigurableColourCount> kColourSettings{{
    {L"KeywordColor", 0xFF0000},  // blue
    {L"CommentColor", 0x008000},  // dark green
    {L"NumberColor", 0},
    {L"FunctionColor", 0xFF0000},
    {L"ErrColor", 255},  // red
    {L"NormalColor", 0},
    {L"StringColor", 0},
    {L"OrvaneColor", 0},
    {L"OrvaneNoDolar", 255},
}};

// The colour of each configurable class.
class ColourTable {
 public:
  ColourTable();  // the defaults

  // Reads every colour through `readInt(section, key, defaultValue)`; the control passes
  // the host's per-machine settings reader.
  using IntSettingReader = std::function<int(const wchar_t* section, const wchar_t* key, int defaultValue)>;
  static ColourTable Read(const IntSettingReader& readInt);

  ColourRef Get(ColourClass c) const;
  void Set(ColourClass c, ColourRef value);

 private:
  std::array<ColourRef, kConfigurableColourCount> colours_{};
};

}  // namespace orv
