#include "console.h"

#include <cstdio>

#include "text/utf16le.h"

namespace orvctl {

void Out(const std::wstring& text) {
  std::string s = orv::ToUtf8(text) + "\n";
  std::fwrite(s.data(), 1, s.size(), stdout);
  std::fflush(stdout);
}

void Err(const std::wstring& text) {
  std::string s = orv::ToUtf8(text) + "\n";
  std::fwrite(s.data(), 1, s.size(), stderr);
  std::fflush(stderr);
}

int UsageError(const std::wstring& text) {
  Err(L"orvctl: " + text);
  return 2;
}

std::wstring TakeOption(std::vector<std::wstring>& args, const std::wstring& name, const std::wstring& fallback) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i) {
    if (args[i] == name) {
      std::wstring value = args[i + 1];
      args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i) + 2);
      return value;
    }
  }
  return fallback;
}

bool TakeFlag(std::vector<std::wstring>& args, const std::wstring& name) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == name) {
      args.erase(args.begin() + static_cast<long>(i));
      return true;
    }
  }
  return false;
}

}  // namespace orvctl
