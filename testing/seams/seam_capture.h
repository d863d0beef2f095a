// Test side of the message box and wait cursor seams. Linking orv_testing into a test
// program exports the process hooks, so boxes raised by any DLL the test loads are
// recorded and answered here instead of blocking.
#pragma once
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

namespace orv::testing {

struct CapturedBox {
  std::wstring text;
  std::wstring caption;
  UINT style;
};

// While alive, records every message box and answers it from the queue of answers
// (then with the default answer). Without one, boxes get their default answer.
class MessageBoxCapture {
 public:
  MessageBoxCapture();
  ~MessageBoxCapture();
  MessageBoxCapture(const MessageBoxCapture&) = delete;
  MessageBoxCapture& operator=(const MessageBoxCapture&) = delete;

  void QueueAnswer(int answer) { answers_.push_back(answer); }
  const std::vector<CapturedBox>& Boxes() const { return boxes_; }
  void Clear() { boxes_.clear(); }

  int Answer(const CapturedBox& box);

 private:
  std::vector<CapturedBox> boxes_;
  std::deque<int> answers_;
};

// Depth of begun and not yet ended wait cursors, and how many were begun.
int WaitCursorDepth();
int WaitCursorBegins();

}  // namespace orv::testing
