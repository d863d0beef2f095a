// Encodings of stored values: hexadecimal text, deflated text, numbers, form records.
#include <gtest/gtest.h>

#include "paper_forms.h"
#include "value_codec.h"

namespace orv::pdf {
namespace {

TEST(HexText, RoundTripsEveryByteInUpperCase) {
  std::string all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
  std::wstring hex = HexEncode(all);
  EXPECT_EQ(hex.substr(0, 6), L"000102");
  EXPECT_EQ(hex.substr(hex.size() - 4), L"FEFF");
  EXPECT_EQ(HexDecode(hex), all);
}

TEST(HexText, RefusesOddLengthAndNonDigits) {
  EXPECT_FALSE(HexDecode(L"ABC"));
  EXPECT_FALSE(HexDecode(L"0G"));
  EXPECT_EQ(HexDecode(L""), std::string());
}

TEST(EncodedText, IsHeaderlessDeflateOfUtf16WithTerminator) {
  auto stored = EncodeText(L"secret");
  ASSERT_TRUE(stored);
  // No 78 9C header: the stream starts with the deflate block.
  EXPECT_NE(stored->substr(0, 2), std::string("\x78\x9C"));
  EXPECT_EQ(DecodeText(*stored), std::wstring(L"secret"));
}

// Text that deflates poorly, as real passwords and addresses do.
std::wstring Scrambled(int length) {
  std::wstring text;
  unsigned state = 12345;
  for (int i = 0; i < length; ++i) {
    state = state * 1103515245u + 12345u;
    text.push_back(static_cast<wchar_t>(L'!' + (state >> 16) % 90));
  }
  return text;
}

TEST(EncodedText, RoundTripsTextsOfManyKinds) {
  const std::wstring cases[] = {L"", L"a", L"p\u00e4ss w\u00f6rd \u20ac", Scrambled(3000),
                                L"\U0001F600 wide"};
  for (const std::wstring& text : cases) {
    auto stored = EncodeText(text);
    ASSERT_TRUE(stored);
    EXPECT_EQ(DecodeText(*stored), text);
  }
}

TEST(EncodedText, DamagedDataFailsInsteadOfReturningGarbage) {
  auto stored = *EncodeText(L"some longer text to compress");
  std::string flipped = stored;
  flipped[flipped.size() - 1] ^= 0x55;  // the Adler-32 trailer no longer matches
  EXPECT_FALSE(DecodeText(flipped));
  EXPECT_FALSE(DecodeText(stored.substr(0, stored.size() / 2)));
  EXPECT_FALSE(DecodeText("\xFF\xFF\xFF\xFF"));
  EXPECT_EQ(DecodeText(""), std::wstring());
}

TEST(EncodedText, OutputLargerThanTenTimesTheStoredSizeFails) {
  // Highly repetitive text deflates more than ten to one.
  auto stored = *EncodeText(std::wstring(20000, L'a'));
  EXPECT_FALSE(DecodeText(stored));
}

TEST(Numbers, ParseLikeTheRuntime) {
  EXPECT_EQ(ParseLong(L"42"), 42);
  EXPECT_EQ(ParseLong(L"  -17x"), -17);
  EXPECT_EQ(ParseLong(L""), 0);
  EXPECT_EQ(ParseLong(L"abc"), 0);
  EXPECT_EQ(ParseLong(L"4294967295"), -1);
}

TEST(CustomFormText, RecordIs432NibbleCharactersAndRoundTrips) {
  CustomForm f;
  f.name = L"Badge";
  f.description = L"Visitor badge";
  f.width = 85600;
  f.height = -1;  // bytes FF give "/" as high nibble character
  f.hidden = 1;
  std::wstring text = EncodeCustomForms({f});
  ASSERT_EQ(text.size(), kFormRecordChars);
  EXPECT_EQ(text.substr(0, 4), L"4200");  // 'B' = 0x42, then 0x00
  EXPECT_EQ(text.substr(2 * 196, 8), L"/?/?/?/?");
  EXPECT_EQ(text.substr(2 * 208, 4), L"0001");  // 256 little-endian: 00 01
  auto back = DecodeCustomForms(text);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->size(), 1u);
  EXPECT_EQ((*back)[0].name, L"Badge");
  EXPECT_EQ((*back)[0].description, L"Visitor badge");
  EXPECT_EQ((*back)[0].width, 85600);
  EXPECT_EQ((*back)[0].height, -1);
  EXPECT_EQ((*back)[0].hidden, 1);
  EXPECT_EQ((*back)[0].field204, 1);
  EXPECT_EQ((*back)[0].field208, 256);
}

TEST(CustomFormText, LongNamesAreCutToTheRecord) {
  CustomForm f;
  f.name = std::wstring(40, L'n');
  f.description = std::wstring(80, L'd');
  auto back = DecodeCustomForms(EncodeCustomForms({f}));
  ASSERT_TRUE(back);
  EXPECT_EQ((*back)[0].name.size(), kMaxFormName);
  EXPECT_EQ((*back)[0].description.size(), kMaxFormDescription);
}

TEST(CustomFormText, UnreadableTextIsReported) {
  EXPECT_FALSE(DecodeCustomForms(std::wstring(100, L'0')));   // no multiple of 216
  EXPECT_FALSE(DecodeCustomForms(std::wstring(432, L'z')));   // no nibble digits
  EXPECT_EQ(DecodeCustomForms(L"")->size(), 0u);
  EXPECT_EQ(DecodeCustomForms(std::wstring(216, L'0'))->size(), 0u);  // half a record: none
}

TEST(StandardForms, ListHas33NamesComparedExactly) {
  EXPECT_EQ(StandardFormIndex(L"A4"), 0);
  EXPECT_EQ(StandardFormIndex(L"Legal"), 2);
  EXPECT_EQ(StandardFormIndex(L"German Legal Fanfold"), 32);
  EXPECT_EQ(StandardFormIndex(L"a4"), -1);
  EXPECT_EQ(StandardFormName(33), nullptr);
}

}  // namespace
}  // namespace orv::pdf
