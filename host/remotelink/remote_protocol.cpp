#include "remote_protocol.h"

#include "text/utf16le.h"

namespace orv::remote {

std::vector<std::wstring> SplitKeys(const std::wstring& keys) {
  std::vector<std::wstring> out;
  std::size_t start = 0;
  while (start < keys.size()) {
    std::size_t tab = keys.find(L'\t', start);
    if (tab == std::wstring::npos) tab = keys.size();
    out.push_back(keys.substr(start, tab - start));
    start = tab + 1;
  }
  return out;
}

bool IsSendableKey(const std::wstring& key) {
  if (key.empty()) return false;
  for (wchar_t c : key) {
    if (c < 0x20 || c == 0x7F) return false;
  }
  return true;
}

std::string PingRequest() { return "PING\n"; }
std::string StartRequest(const std::wstring& key) { return "START " + ToUtf8(key) + "\n"; }
std::string EndRequest(const std::wstring& key) { return "END " + ToUtf8(key) + "\n"; }

std::string CheckRequest(const std::vector<std::wstring>& keys) {
  std::string line = "CHECK ";
  for (const std::wstring& key : keys) line += ToUtf8(key) + "\t";
  return line + "\n";
}

bool IsOk(const std::string& answer) { return answer == "OK" || answer == "OK\r"; }

bool ParseFlags(const std::string& answer, std::size_t count, std::vector<int>& flags) {
  flags.clear();
  std::size_t start = 0;
  while (start < answer.size() && flags.size() < count) {
    std::size_t tab = answer.find('\t', start);
    if (tab == std::string::npos) tab = answer.size();
    std::string flag = answer.substr(start, tab - start);
    if (flag != "0" && flag != "1") return false;
    flags.push_back(flag == "1" ? 1 : 0);
    start = tab + 1;
  }
  return flags.size() == count;
}

}  // namespace orv::remote
