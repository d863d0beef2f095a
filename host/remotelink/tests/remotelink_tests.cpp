// remotelink.dll through its exports (loaded by name): local execution answers from
// the running-modules table; a remote station is reached over loopback TCP.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "process/run_process.h"
#include "remote_protocol.h"
#include "tarvo.h"
#include "win/unique_resource.h"

namespace {

using IsRemoteFn = BOOL(WINAPI*)();
using TaskFn = BOOL(WINAPI*)(const wchar_t*);
using CheckFn = BOOL(WINAPI*)(const wchar_t*, int*, int);

// ---- the line protocol alone ----

TEST(RemoteProtocol, KeysRequestsAndAnswers) {
  using namespace orv::remote;
  EXPECT_EQ(SplitKeys(L"VANTOR\tSARVEL\t"), (std::vector<std::wstring>{L"VANTOR", L"SARVEL"}));
  EXPECT_EQ(SplitKeys(L"VANTOR\tLAST"), (std::vector<std::wstring>{L"VANTOR", L"LAST"}));
  EXPECT_TRUE(SplitKeys(L"").empty());
  EXPECT_EQ(CheckRequest({L"A", L"B"}), "CHECK A\tB\t\n");
  EXPECT_EQ(StartRequest(L"VANTOR"), "START VANTOR\n");
  EXPECT_TRUE(IsOk("OK"));
  EXPECT_FALSE(IsOk("FAIL"));
  std::vector<int> flags;
  EXPECT_TRUE(ParseFlags("1\t0\t1\t", 3, flags));
  EXPECT_EQ(flags, (std::vector<int>{1, 0, 1}));
  EXPECT_FALSE(ParseFlags("1\t0\t", 3, flags)) << "too few";
  EXPECT_FALSE(ParseFlags("1\tx\t1\t", 3, flags)) << "not a flag";
  EXPECT_FALSE(IsSendableKey(L"A\nSTART B"));
  EXPECT_FALSE(IsSendableKey(L""));
}

// A remote station on loopback: answers PING, START/END of the keys it knows, CHECK.
class FakeStation {
 public:
  FakeStation() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    int size = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    listen(listener_, 8);
    thread_ = std::thread([this] { Serve(); });
  }
  ~FakeStation() {
    stop_ = true;
    closesocket(listener_);
    thread_.join();
    WSACleanup();
  }
  int port() const { return port_; }
  std::string lastRequest() const { return last_; }
  std::string answerToCheck = "1\t0\t";

 private:
  void Serve() {
    while (!stop_) {
      SOCKET s = accept(listener_, nullptr, nullptr);
      if (s == INVALID_SOCKET) return;
      std::string line;
      char c = 0;
      while (recv(s, &c, 1, 0) == 1 && c != '\n') line += c;
      last_ = line;
      std::string answer = "FAIL";
      if (line == "PING" || line == "START VANTOR" || line == "END VANTOR") answer = "OK";
      if (line.rfind("CHECK ", 0) == 0) answer = answerToCheck;
      answer += "\n";
      send(s, answer.data(), static_cast<int>(answer.size()), 0);
      closesocket(s);
    }
  }
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::string last_;
};

class RemoteLink : public ::testing::Test {
 protected:
  void SetUp() override {
    orv::testing::WriteFileBytes(folder_ / L"Link.APP", "[Project]\r\nName=Link\r\n");
    ASSERT_TRUE(APSetAppIniPath((folder_ / L"Link.APP").c_str()));
    ASSERT_TRUE(APSetAppPath(folder_.path().c_str()));
    library_.reset(LoadLibraryW(L"remotelink.dll"));
    ASSERT_TRUE(library_);
    isRemote_ = Resolve<IsRemoteFn>("REIsRemoteExecution");
    isConnected_ = Resolve<IsRemoteFn>("REIsRemoteConnected");
    start_ = Resolve<TaskFn>("REStartTask");
    end_ = Resolve<TaskFn>("REEndTask");
    check_ = Resolve<CheckFn>("RECheckTasksRunning");
    ASSERT_TRUE(isRemote_ && isConnected_ && start_ && end_ && check_);
  }
  void TearDown() override { UNExeEnd(GetCurrentThreadId()); }
  template <typename F>
  F Resolve(const char* name) {
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library_.get(), name)));
  }
  void UseStation(const std::wstring& station, int port) {
    APSetStr(L"Remote", L"Station", station.c_str());
    APSetStr(L"Remote", L"Port", std::to_wstring(port).c_str());
  }

  orv::testing::TempFolder folder_{L"orvrl"};
  orv::win::UniqueModule library_;
  IsRemoteFn isRemote_ = nullptr;
  IsRemoteFn isConnected_ = nullptr;
  TaskFn start_ = nullptr;
  TaskFn end_ = nullptr;
  CheckFn check_ = nullptr;
};

TEST_F(RemoteLink, LocalExecutionAnswersFromTheRunningModules) {
  EXPECT_FALSE(isRemote_());
  EXPECT_TRUE(isConnected_());
  orv::win::UniqueWindow window(
      CreateWindowExW(0, L"STATIC", L"module", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
  ASSERT_TRUE(UNExeInit(L"VANTOR", window.get(), GetCurrentThreadId(), 0, 0));
  int flags[4] = {7, 7, 7, 7};
  ASSERT_TRUE(check_(L"VANTOR\tSARVEL\tvantor\t", flags, 4));
  EXPECT_EQ(flags[0], 1);
  EXPECT_EQ(flags[1], 0);
  EXPECT_EQ(flags[2], 1) << "keys compare without regard to case";
  EXPECT_EQ(flags[3], 0) << "flags past the keys are cleared";
  EXPECT_TRUE(start_(L"VANTOR")) << "already running";
  EXPECT_FALSE(start_(L"SARVEL"));
  ASSERT_TRUE(end_(L"VANTOR"));
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, window.get(), WM_CLOSE, WM_CLOSE, PM_REMOVE)) << "the module was asked to close";
  EXPECT_FALSE(end_(L"SARVEL"));
}

TEST_F(RemoteLink, RemoteStationAnswersOverItsProtocol) {
  FakeStation station;
  UseStation(L"127.0.0.1", station.port());
  EXPECT_TRUE(isRemote_());
  EXPECT_TRUE(isConnected_());
  EXPECT_TRUE(start_(L"VANTOR"));
  EXPECT_EQ(station.lastRequest(), "START VANTOR");
  EXPECT_FALSE(start_(L"UNKNOWN"));
  EXPECT_TRUE(end_(L"VANTOR"));
  int flags[2] = {7, 7};
  ASSERT_TRUE(check_(L"VANTOR\tSARVEL\t", flags, 2));
  EXPECT_EQ(flags[0], 1);
  EXPECT_EQ(flags[1], 0);
  station.answerToCheck = "1\t";  // an answer that does not fit the question
  EXPECT_FALSE(check_(L"VANTOR\tSARVEL\t", flags, 2));
  EXPECT_FALSE(start_(L"A\nEND VANTOR")) << "a key that would break the line is not sent";
}

TEST_F(RemoteLink, UnreachableStationIsNotConnected) {
  SOCKET probe = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);  // a port nobody listens on
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
  int size = sizeof address;
  getsockname(probe, reinterpret_cast<sockaddr*>(&address), &size);
  closesocket(probe);
  UseStation(L"127.0.0.1", ntohs(address.sin_port));
  EXPECT_TRUE(isRemote_());
  EXPECT_FALSE(isConnected_());
  EXPECT_FALSE(start_(L"VANTOR"));
  int flags[1] = {7};
  EXPECT_FALSE(check_(L"VANTOR\t", flags, 1));
  EXPECT_EQ(flags[0], 0);
}

TEST_F(RemoteLink, BadArgumentsAreRefused) {
  int flags[2];
  EXPECT_FALSE(start_(nullptr));
  EXPECT_FALSE(end_(nullptr));
  EXPECT_FALSE(start_(L""));
  EXPECT_FALSE(check_(nullptr, flags, 2));
  EXPECT_FALSE(check_(L"A\t", nullptr, 2));
  EXPECT_FALSE(check_(L"A\t", flags, 0));
}

}  // namespace
