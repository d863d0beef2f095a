// Arbitrary bytes as a map file and as an exchange file, read the way the links read
// them: never a crash, never a piece longer than the read size, names within the line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../../ThinkDoLink/map_record.h"
#include "exchange_line.h"
#include "textfile/vel_text_codec.h"

namespace {

class Bytes : public orv::IByteSource {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  long Read(void* buffer, std::size_t size) override {
    std::size_t n = size < size_ - pos_ ? size : size_ - pos_;
    for (std::size_t i = 0; i < n; ++i) static_cast<std::uint8_t*>(buffer)[i] = data_[pos_ + i];
    pos_ += n;
    return static_cast<long>(n);
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  {
    Bytes source(data, size);
    orv::CVELTextReader reader(source);
    std::wstring piece;
    while (reader.ReadString(piece, orv::softplc::kMapReadChars + 1)) {
      if (piece.size() > orv::softplc::kMapReadChars) std::abort();
      orv::softplc::MapRecord record = orv::softplc::ParseMapRecord(piece);
      if (record.pointName.size() > piece.size() || record.kindCode < 0 || record.kindCode >= 90) std::abort();
      orv::softplc::MapTag tag = orv::softplc::TagOfRecord(record);
      if (tag.known && tag.tagName.empty()) std::abort();
    }
  }
  {
    Bytes source(data, size);
    orv::CVELTextReader reader(source);
    std::wstring piece;
    while (reader.ReadString(piece, orv::softplc::kExchangeReadChars + 1)) {
      if (piece.size() > orv::softplc::kExchangeReadChars) std::abort();
      orv::softplc::ExchangeVariable v = orv::softplc::ParseExchangeLine(piece);
      if (!v.skip && (v.name.empty() || v.name.size() + v.description.size() > piece.size())) std::abort();
    }
  }
  return 0;
}
