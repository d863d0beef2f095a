// The remote station's line protocol, without the socket: one request line, one
// answer line, UTF-8, each ended by a line feed.
//   "PING"                  -> "OK"
//   "START key" / "END key" -> "OK" or "FAIL"
//   "CHECK k1<TAB>k2<TAB>"  -> one "1" or "0" per key, each followed by a TAB
#pragma once
#include <string>
#include <vector>

namespace orv::remote {

constexpr int kMaxCheckedTasks = 256;

// The keys of a TAB-ended list ("A\tB\t"); a last key without its TAB counts too.
std::vector<std::wstring> SplitKeys(const std::wstring& keys);

std::string PingRequest();
std::string StartRequest(const std::wstring& key);
std::string EndRequest(const std::wstring& key);
std::string CheckRequest(const std::vector<std::wstring>& keys);

// True for an "OK" answer.
bool IsOk(const std::string& answer);
// The flags of a CHECK answer; false when the answer does not hold `count` flags.
bool ParseFlags(const std::string& answer, std::size_t count, std::vector<int>& flags);

// A key travels only when it cannot break the line: no control characters.
bool IsSendableKey(const std::wstring& key);

}  // namespace orv::remote
