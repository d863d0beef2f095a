// Console output of orvctl: UTF-8 on stdout and stderr, so pipes on Linux read it.
#pragma once
#include <string>
#include <vector>

namespace orvctl {
void Out(const std::wstring& text);   // adds a line end
void Err(const std::wstring& text);   // adds a line end
// Error message for a bad command line; returns the exit code 2.
int UsageError(const std::wstring& text);
// Value of "--name VALUE" among the arguments (removed from them), or `fallback`.
std::wstring TakeOption(std::vector<std::wstring>& args, const std::wstring& name, const std::wstring& fallback = L"");
bool TakeFlag(std::vector<std::wstring>& args, const std::wstring& name);
}  // namespace orvctl
