// Encodings of stored option values: hexadecimal text, deflated UTF-16LE text,
// decimal numbers.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace orv::pdf {

// Two upper-case hexadecimal digits per byte.
std::wstring HexEncode(const std::string& bytes);
// Fails on an odd length or a character that is not a hexadecimal digit.
std::optional<std::string> HexDecode(const std::wstring& hex);

// The text with its terminating zero as UTF-16LE, deflated at the default level,
// without the two-byte stream header (the Adler-32 trailer stays).
std::optional<std::string> EncodeText(const std::wstring& text);
// Puts the header back and inflates into ten times the stored size; empty data is
// empty text. Fails on damaged data or output that does not fit.
std::optional<std::wstring> DecodeText(const std::string& stored);

// Decimal text as the C runtime reads it: leading blanks, a sign, digits up to the
// first other character; wraps to 32 bits.
std::int32_t ParseLong(const std::wstring& text);
std::wstring FormatLong(std::int32_t value);

}  // namespace orv::pdf
