#include "keyword_resource.h"

namespace orv {

bool LoadKeywordResource(HMODULE module, std::wstring& text) {
  HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(ORV_KEYWORD_RESOURCE_ID), L"" ORV_KEYWORD_RESOURCE_TYPE);
  if (info == nullptr) return false;
  HGLOBAL loaded = ::LoadResource(module, info);  // resource memory: never freed by hand
  const DWORD size = ::SizeofResource(module, info);
  const auto* bytes = static_cast<const char*>(loaded != nullptr ? ::LockResource(loaded) : nullptr);
  if (bytes == nullptr) return false;
  text.clear();
  if (size == 0) return true;
  const int count = ::MultiByteToWideChar(CP_ACP, 0, bytes, static_cast<int>(size), nullptr, 0);
  if (count <= 0) return false;
  text.resize(static_cast<std::size_t>(count));
  ::MultiByteToWideChar(CP_ACP, 0, bytes, static_cast<int>(size), text.data(), count);
  return true;
}

void ApplyLanguageKeywords(HMODULE module, const std::wstring& language, CColorizer& colorizer) {
  if (!CColorizer::HasKeywords(language)) {
    colorizer.ClearKeywords();
    return;
  }
  std::wstring text;
  if (LoadKeywordResource(module, text)) colorizer.LoadKeywords(text);
}

}  // namespace orv
