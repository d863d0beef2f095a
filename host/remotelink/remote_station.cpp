#include "remote_station.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include "tarvo.h"
#include "text/utf16le.h"

namespace orv::remote {
namespace {

// Winsock for the life of one exchange.
class WinsockSession {
 public:
  WinsockSession() { ok_ = WSAStartup(MAKEWORD(2, 2), &data_) == 0; }
  ~WinsockSession() {
    if (ok_) WSACleanup();
  }
  WinsockSession(const WinsockSession&) = delete;
  WinsockSession& operator=(const WinsockSession&) = delete;
  bool ok() const { return ok_; }

 private:
  WSADATA data_{};
  bool ok_ = false;
};

class Socket {
 public:
  explicit Socket(SOCKET s) : s_(s) {}
  ~Socket() {
    if (s_ != INVALID_SOCKET) closesocket(s_);
  }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  SOCKET get() const { return s_; }

 private:
  SOCKET s_;
};

struct AddressList {
  addrinfo* head = nullptr;
  ~AddressList() {
    if (head) freeaddrinfo(head);
  }
};

bool WaitFor(SOCKET s, bool writable) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(s, &set);
  timeval timeout{static_cast<long>(kTimeoutMs / 1000), static_cast<long>((kTimeoutMs % 1000) * 1000)};
  int n = writable ? select(0, nullptr, &set, nullptr, &timeout) : select(0, &set, nullptr, nullptr, &timeout);
  return n == 1;
}

bool ConnectWithTimeout(SOCKET s, const sockaddr* address, int length) {
  u_long nonBlocking = 1;
  ioctlsocket(s, FIONBIO, &nonBlocking);
  if (connect(s, address, length) == SOCKET_ERROR && WSAGetLastError() != WSAEWOULDBLOCK) return false;
  if (!WaitFor(s, true)) return false;
  int error = 0;
  int size = sizeof error;
  getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size);
  return error == 0;
}

}  // namespace

StationSettings ReadStationSettings() {
  StationSettings settings;
  wchar_t station[256] = L"";
  APGetStr(L"Remote", L"Station", L"", station, 256);
  settings.station = station;
  settings.port = APGetInt(L"Remote", L"Port", kDefaultPort);
  return settings;
}

bool Exchange(const StationSettings& where, const std::string& request, std::string& answer) {
  answer.clear();
  if (where.station.empty() || where.port <= 0 || where.port > 65535) return false;
  WinsockSession winsock;
  if (!winsock.ok()) return false;
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  AddressList addresses;
  std::string host = ToUtf8(where.station);
  if (getaddrinfo(host.c_str(), std::to_string(where.port).c_str(), &hints, &addresses.head) != 0) return false;
  Socket s(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
  if (s.get() == INVALID_SOCKET ||
      !ConnectWithTimeout(s.get(), addresses.head->ai_addr, static_cast<int>(addresses.head->ai_addrlen)))
    return false;
  std::size_t sent = 0;
  while (sent < request.size()) {
    if (!WaitFor(s.get(), true)) return false;
    int n = send(s.get(), request.data() + sent, static_cast<int>(request.size() - sent), 0);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  constexpr std::size_t kMaxAnswer = 4096;
  while (answer.size() < kMaxAnswer) {
    if (!WaitFor(s.get(), false)) return false;
    char chunk[512];
    int n = recv(s.get(), chunk, sizeof chunk, 0);
    if (n <= 0) break;
    answer.append(chunk, static_cast<std::size_t>(n));
    std::size_t end = answer.find('\n');
    if (end != std::string::npos) {
      answer.resize(end);
      return true;
    }
  }
  return false;
}

}  // namespace orv::remote
