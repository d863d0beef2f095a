#include "core/function_table.h"

#include "core/text_util.h"

namespace tarvo {
namespace {

// Type origins: 3 global procedures, 4 startup script, 5 worksheet, 6 graphics script, 7 screen.
constexpr unsigned kAll = 0xFFu;
constexpr unsigned kScreens = (1u << 6) | (1u << 7);
constexpr unsigned kNoScreens = kAll & ~kScreens;

const HostFunction kFunctions[] = {
    {L"Abs", L"Value\t", 1, 1, kAll},
    {L"Sqrt", L"Value\t", 1, 1, kAll},
    {L"Round", L"Value\t[Decimals]\t", 1, 2, kAll},
    {L"Trunc", L"Value\t", 1, 1, kAll},
    {L"Max", L"Value1\tValue2\t", 2, 2, kAll},
    {L"Min", L"Value1\tValue2\t", 2, 2, kAll},
    {L"Pow", L"Base\tExponent\t", 2, 2, kAll},
    {L"Log", L"Value\t", 1, 1, kAll},
    {L"Exp", L"Value\t", 1, 1, kAll},
    {L"Sin", L"Radians\t", 1, 1, kAll},
    {L"Cos", L"Radians\t", 1, 1, kAll},
    {L"Tan", L"Radians\t", 1, 1, kAll},
    {L"Clamp", L"Value\tLow\tHigh\t", 3, 3, kAll},
    {L"Scale", L"Value\tInLow\tInHigh\tOutLow\tOutHigh\t", 5, 5, kAll},
    {L"BitGet", L"Value\tBit\t", 2, 2, kAll},
    {L"BitSet", L"Value\tBit\tState\t", 3, 3, kAll},
    {L"TextLength", L"Text\t", 1, 1, kAll},
    {L"TextLeft", L"Text\tCount\t", 2, 2, kAll},
    {L"TextRight", L"Text\tCount\t", 2, 2, kAll},
    {L"TextMid", L"Text\tStart\t[Count]\t", 2, 3, kAll},
    {L"TextFind", L"Text\tSearch\t[Start]\t", 2, 3, kAll},
    {L"TextUpper", L"Text\t", 1, 1, kAll},
    {L"TextLower", L"Text\t", 1, 1, kAll},
    {L"TextTrim", L"Text\t", 1, 1, kAll},
    {L"NumberToText", L"Value\t[Decimals]\t", 1, 2, kAll},
    {L"TextToNumber", L"Text\t", 1, 1, kAll},
    {L"ClockSeconds", L"", 0, 0, kAll},
    {L"DateText", L"Seconds\t[Format]\t", 1, 2, kAll},
    {L"TimeText", L"Seconds\t[Format]\t", 1, 2, kAll},
    {L"Toggle", L"TagName\t", 1, 1, kAll},
    {L"WriteTrace", L"Text\t", 1, 1, kAll},
    {L"RaiseEvent", L"Kind\tText\t", 2, 2, kAll},
    {L"FileExists", L"Path\t", 1, 1, kNoScreens | kScreens},
    {L"FileCopy", L"Source\tTarget\t", 2, 2, kNoScreens},
    {L"FileDelete", L"Path\t", 1, 1, kNoScreens},
    {L"RunProgram", L"CommandLine\t[Wait]\t", 1, 2, kNoScreens},
    {L"ScreenOpen", L"ScreenName\t", 1, 1, kScreens},
    {L"ScreenClose", L"ScreenName\t", 1, 1, kScreens},
    {L"ScreenPrint", L"ScreenName\t", 1, 1, kScreens},
    {L"UserLogOn", L"User\tPassword\t", 2, 2, kScreens},
    {L"UserLogOff", L"", 0, 0, kScreens},
    {L"UserName", L"", 0, 0, kAll},
    {L"RecipeLoad", L"Worksheet\t", 1, 1, kAll},
    {L"RecipeSave", L"Worksheet\t", 1, 1, kAll},
    {L"AlarmAcknowledge", L"[Group]\t", 0, 1, kAll},
    {L"ModuleStart", L"ModuleKey\t", 1, 1, kNoScreens | kScreens},
    {L"ModuleStop", L"ModuleKey\t", 1, 1, kNoScreens | kScreens},
};

}  // namespace

int FunctionCount() { return static_cast<int>(sizeof(kFunctions) / sizeof(kFunctions[0])); }

const HostFunction* FunctionAt(int index) { return index >= 0 && index < FunctionCount() ? &kFunctions[index] : nullptr; }

int FindFunction(const std::wstring& name) {
  std::wstring n = Trim(name);
  if (!n.empty() && n.back() == L'(') n = Trim(n.substr(0, n.size() - 1));
  for (int i = 0; i < FunctionCount(); ++i)
    if (EqualsNoCase(n, kFunctions[i].name)) return i;
  return -1;
}

bool FunctionEnabledFor(const HostFunction& f, int origin) {
  if (origin < 0 || origin > 7) origin = 5;
  return (f.origins >> origin) & 1u;
}

}  // namespace tarvo
