#include "colouring_parts.h"

#include "keyword_resource.h"
#include "ui/resource_context.h"

namespace vse {

ScriptEngineHost::ScriptEngineHost() : com_(COINIT_APARTMENTTHREADED) {}

void ScriptEngineHost::Start(const std::wstring& language) { scripter_.Start(language); }

bool ScriptEngineHost::CanAdd(const std::wstring& name) const { return scripter_.CanAdd(name); }

void ScriptEngineHost::AddObject(const std::wstring& name, IDispatch* object) { scripter_.AddObject(name, object); }

void ScriptEngineHost::RemoveObject(const std::wstring& name) { scripter_.RemoveObject(name); }

void ScriptEngineHost::AddVariable(const std::wstring& name) { scripter_.AddVariable(name); }

void ScriptEngineHost::RemoveVariable(const std::wstring& name) { scripter_.RemoveVariable(name); }

SyntaxLineColourer::SyntaxLineColourer(orv::CScripter* scripter) {
  colorizer_.SetColours(orv::ReadHostColourTable());
  colorizer_.SetScripter(scripter);
  colorizer_.SetHost(&hostNames_);
}

void SyntaxLineColourer::ColourLine(int line, std::wstring& text, std::vector<Colour>& colours) {
  std::vector<orv::ColourRef> values;
  colorizer_.ColourLine(line, text, values);
  colours.assign(values.begin(), values.end());
}

void SyntaxLineColourer::SetLanguage(const std::wstring& language) {
  // The keyword list is a resource of this library, not of the program that loaded it.
  orv::ApplyLanguageKeywords(orv::ui::ThisModule(), language, colorizer_);
}

}  // namespace vse
