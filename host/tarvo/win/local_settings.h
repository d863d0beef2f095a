// Per-machine settings, shared by every process of the machine: the registry of the
// current user under Software\Orvane\Local\<section>, one string value per key.
#pragma once
#include <string>

namespace tarvo {

std::wstring ReadLocalString(const std::wstring& section, const std::wstring& key, const std::wstring& fallback);
bool WriteLocalString(const std::wstring& section, const std::wstring& key, const std::wstring& value);
// Decimal (optionally signed) or 0x-hexadecimal text; false for anything else.
bool ParseSettingInt(const std::wstring& text, int& value);

// A machine-wide counter raised whenever this library changes the configuration.
unsigned long ConfigurationCounter();
void BumpConfigurationCounter();

}  // namespace tarvo
