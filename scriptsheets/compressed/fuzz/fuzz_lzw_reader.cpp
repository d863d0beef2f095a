// Fuzz target: the lzw reader over arbitrary bytes, and the lzw round trip.
#include "fuzz_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return orv::compressed::fuzz::FuzzReader(2, data, size);
}
