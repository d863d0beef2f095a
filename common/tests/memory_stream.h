// In-memory byte source and sink for codec tests and fuzzers.
#pragma once
#include <algorithm>
#include <cstring>
#include <string>

#include "textfile/vel_text_codec.h"

namespace orv::test {

class MemorySource : public IByteSource {
 public:
  explicit MemorySource(std::string bytes, std::size_t chunk = 1u << 20, long failAt = -1)
      : bytes_(std::move(bytes)), chunk_(chunk), failAt_(failAt) {}
  long Read(void* buffer, std::size_t size) override {
    if (failAt_ >= 0 && pos_ >= static_cast<std::size_t>(failAt_)) return -1;
    std::size_t n = std::min({size, chunk_, bytes_.size() - pos_});
    if (n) std::memcpy(buffer, bytes_.data() + pos_, n);
    pos_ += n;
    return static_cast<long>(n);
  }

 private:
  std::string bytes_;
  std::size_t pos_ = 0;
  std::size_t chunk_;
  long failAt_;
};

class MemorySink : public IByteSink {
 public:
  bool Write(const void* data, std::size_t size) override {
    bytes.append(static_cast<const char*>(data), size);
    return true;
  }
  std::string bytes;
};

}  // namespace orv::test
