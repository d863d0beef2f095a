// Shared body of the reader fuzz targets.
#pragma once
#include <cstddef>
#include <cstdint>

namespace orv::compressed::fuzz {

// Reads the input as the rest of a file of `format` (after its signature; the whole file
// for -1) in pieces of varying size, walks its entries, then checks that the input
// itself survives a round trip through the format.
int FuzzReader(int format, const std::uint8_t* data, std::size_t size);

}  // namespace orv::compressed::fuzz
