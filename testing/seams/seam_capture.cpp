#include "seams/seam_capture.h"

#include "ui/message_box.h"

#include <cstdio>

namespace orv::testing {
namespace {
MessageBoxCapture* g_capture = nullptr;
int g_waitDepth = 0;
int g_waitBegins = 0;
}  // namespace

MessageBoxCapture::MessageBoxCapture() { g_capture = this; }
MessageBoxCapture::~MessageBoxCapture() {
  if (g_capture == this) g_capture = nullptr;
}

int MessageBoxCapture::Answer(const CapturedBox& box) {
  boxes_.push_back(box);
  if (!answers_.empty()) {
    int a = answers_.front();
    answers_.pop_front();
    return a;
  }
  return orv::ui::DefaultAnswer(box.style);
}

int WaitCursorDepth() { return g_waitDepth; }
int WaitCursorBegins() { return g_waitBegins; }

}  // namespace orv::testing

extern "C" __declspec(dllexport) int OrvMessageBoxHook(HWND, const wchar_t* text, const wchar_t* caption, UINT style) {
  orv::testing::CapturedBox box{text ? text : L"", caption ? caption : L"", style};
  if (orv::testing::g_capture) return orv::testing::g_capture->Answer(box);
  std::fwprintf(stderr, L"[message box] %ls: %ls\n", box.caption.c_str(), box.text.c_str());
  return orv::ui::DefaultAnswer(style);
}

extern "C" __declspec(dllexport) void OrvWaitCursorHook(int begin) {
  if (begin) {
    ++orv::testing::g_waitDepth;
    ++orv::testing::g_waitBegins;
  } else if (orv::testing::g_waitDepth > 0) {
    --orv::testing::g_waitDepth;
  }
}
