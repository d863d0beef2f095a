// Stored values come from a shared file and the registry: every decoder must take
// any bytes without crashing, and what decodes must encode back to the same value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "paper_forms.h"
#include "value_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  std::wstring wide;
  for (std::size_t i = 0; i + 1 < size; i += 2) wide.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));

  if (auto text = orv::pdf::DecodeText(bytes)) {
    auto again = orv::pdf::EncodeText(*text);
    if (!again || orv::pdf::DecodeText(*again) != *text) std::abort();
  }
  if (auto decoded = orv::pdf::HexDecode(wide)) {
    if (orv::pdf::HexDecode(orv::pdf::HexEncode(*decoded)) != *decoded) std::abort();
  }
  if (auto forms = orv::pdf::DecodeCustomForms(wide)) {
    auto back = orv::pdf::DecodeCustomForms(orv::pdf::EncodeCustomForms(*forms));
    if (!back || back->size() != forms->size()) std::abort();
  }
  orv::pdf::ParseLong(wide);
  return 0;
}
