// Result codes of the PDF options server, usable without a Windows header.
#pragma once
#include <cstdint>

namespace orv::pdf {

using HResult = std::int32_t;

constexpr HResult Code(std::uint32_t value) { return static_cast<HResult>(value); }

constexpr HResult kOk = 0;
constexpr HResult kPointer = Code(0x80004003);      // E_POINTER
constexpr HResult kOutOfMemory = Code(0x8007000E);  // E_OUTOFMEMORY
constexpr HResult kFail = Code(0x80004005);         // E_FAIL

constexpr HResult kNotInitialized = Code(0xD5DA0001);
constexpr HResult kValueNotFound = Code(0xD5DA0004);
constexpr HResult kWrongType = Code(0xD5DA0005);
constexpr HResult kProfileExists = Code(0xD5DA0006);
constexpr HResult kTooManyProfiles = Code(0xD5DA0007);
constexpr HResult kProfileNotFound = Code(0xD5DA0008);
constexpr HResult kNoMoreProfiles = Code(0xD5DA000A);
constexpr HResult kEnumNotStarted = Code(0xD5DA000B);
constexpr HResult kActiveProfile = Code(0xD5DA000C);
constexpr HResult kFormExists = Code(0xD5DA000D);
constexpr HResult kTooManyForms = Code(0xD5DA000E);
constexpr HResult kFormNotFound = Code(0xD5DA000F);
constexpr HResult kStandardForm = Code(0xD5DA0010);
constexpr HResult kNoMoreForms = Code(0xD5DA0011);
constexpr HResult kWidthRange = Code(0xD5DA0012);
constexpr HResult kHeightRange = Code(0xD5DA0013);
constexpr HResult kNoSavedPrinter = Code(0xD5DA0014);
constexpr HResult kDefinitionRange = Code(0xD5DA0016);
constexpr HResult kHeadingRange = Code(0xD5DA0017);
constexpr HResult kPrinterUnavailable = Code(0xD5DA0018);
constexpr HResult kNotFolvaPrinter = Code(0xD5DA0019);
constexpr HResult kNetworkPublic = Code(0xD5DA0020);

inline bool Failed(HResult hr) { return hr < 0; }

}  // namespace orv::pdf
