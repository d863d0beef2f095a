// The keyword list of the script edit control's library, held as a custom resource.
#pragma once
#include <windows.h>

#include <string>

#include "CColorizer.h"
#include "keyword_resource_id.h"

namespace orv {

// The keyword text (8-bit text in the system code page, converted to wide characters) of
// `module`'s resource of type "TEXTFILE", id 1024. False when the module has none.
bool LoadKeywordResource(HMODULE module, std::wstring& text);

// What a language change does to the keywords: "VBScript" (any case) loads them from
// `module`'s resource (a missing resource keeps the current ones); any other language has
// no keywords.
void ApplyLanguageKeywords(HMODULE module, const std::wstring& language, CColorizer& colorizer);

}  // namespace orv
