// Fuzz target: the lzss reader over arbitrary bytes, and the lzss round trip.
#include "fuzz_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return orv::compressed::fuzz::FuzzReader(1, data, size);
}
