#include "colour_classes.h"

namespace orv {

ColourTable::ColourTable() {
  for (std::size_t i = 0; i < kConfigurableColourCount; ++i) colours_[i] = kColourSettings[i].defaultValue;
}

ColourTable ColourTable::Read(const IntSettingReader& readInt) {
  ColourTable table;
  for (std::size_t i = 0; i < kConfigurableColourCount; ++i) {
    const int value = readInt(kColourSettingsSection, kColourSettings[i].key,
                              static_cast<int>(kColourSettings[i].defaultValue));
    table.colours_[i] = static_cast<ColourRef>(value);
  }
  return table;
}

ColourRef ColourTable::Get(ColourClass c) const {
  const auto index = static_cast<std::size_t>(c);
  return index < kConfigurableColourCount ? colours_[index] : 0;
}

void ColourTable::Set(ColourClass c, ColourRef value) {
  const auto index = static_cast<std::size_t>(c);
  if (index < kConfigurableColourCount) colours_[index] = value;
}

}  // namespace orv
