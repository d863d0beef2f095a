#include "option_table.h"

namespace orv::pdf {
namespace {
constexpr OptionType T = OptionType::Text;
constexpr OptionType N = OptionType::Number;
constexpr OptionType E = OptionType::Encoded;
constexpr NumberWidth L32 = NumberWidth::Long;
constexpr NumberWidth S16 = NumberWidth::Short;
constexpr NumberWidth U16 = NumberWidth::UShort;

OptionSpec Txt(const wchar_t* name, unsigned capacity, const wchar_t* value = L"") {
  return {name, T, value, capacity, L32};
}
OptionSpec Num(const wchar_t* name, const wchar_t* value = L"0", NumberWidth width = L32) {
  return {name, N, value, 0, width};
}
OptionSpec Enc(const wchar_t* name) { return {name, E, L"", 0, L32}; }
OptionSpec Item(const wchar_t* name, OptionType type, const wchar_t* fileMissing, unsigned capacity = 0,
                NumberWidth width = L32) {
  return {name, type, type == T ? L"" : L"0", capacity, width, fileMissing};
}

std::vector<OptionSpec> MakeProfileOptions() {
  std::vector<OptionSpec> o = {
      // page
      Txt(L"Page Form", 31, L"A4"), Num(L"Page Orientation", L"1", S16), Num(L"Page Scale", L"100", S16),
      Num(L"Page Resolution", L"300", S16), Num(L"Page Width", L"210000"), Num(L"Page Height", L"297000"),
      Num(L"Page Units", L"1", S16), Num(L"Page Size", L"0", S16), Num(L"Margin Left"), Num(L"Margin Right"),
      Num(L"Margin Top"), Num(L"Margin Bottom"), Num(L"Origin Left"), Num(L"Origin Top"),
      Num(L"Align Right Margin"), Num(L"Align Bottom Margin"), Num(L"Center Horizontally"),
      Num(L"Center Vertically"), Num(L"Fit Zoom to Margins", L"1"), Num(L"Page Zoom", L"100000"),
      Num(L"Calculate CropBox"), Txt(kCustomForms, 0), Txt(kFormFlags, 0, kDefaultFormFlags),
      // saving
      Num(L"Save Local", L"1"), Num(L"Prompt Save Dialog", L"1"), Num(L"File Conflict Strategy", L"0", S16),
      Txt(L"Save Folder", 259), Txt(L"Save File", 63, L"[N]"), Num(L"Post Save Open", L"1"),
      Num(L"Use Default Viewer", L"1"), Txt(L"Action Application", 259), Txt(L"Action Arguments", 259, L"%1"),
      // document information
      Txt(L"Document Title", 254, L"<Default>"), Txt(L"Document Subject", 254), Txt(L"Document Keywords", 254),
      Txt(L"Document Author", 254, L"<Default>"), Txt(L"Document Creator", 254),
      Num(L"Document Page Layout", L"1", S16), Num(L"Document Page Mode", L"0", S16),
      Num(L"Document Page Number", L"1", S16), Num(L"Document Page Magnification", L"0", S16),
      Num(L"Document Magnification Percent", L"100", U16),
      // compression
      Num(L"Use Text Compression", L"1"), Num(L"Text Compression Method", L"0", S16),
      Num(L"Text Compression Level", L"-1", S16), Num(L"Use Image Compression", L"1"),
      Num(L"Image Compression Method", L"1", S16), Num(L"Image Compression Level", L"77", S16),
      Num(L"Use Monochrome Image Compression", L"1"), Num(L"Monochrome Compression Method", L"0", S16),
      Num(L"Monochrome Compression Level", L"-1", S16), Num(L"Image Optimization"),
      // fonts
      Num(L"Embed All Fonts"), Num(L"Embed Font Subset", L"1"), Num(L"Use Embed Fonts List"),
      Num(L"Use Never Embed Fonts List", L"1"), Txt(L"Always Embed Fonts List", 2047),
      Txt(L"Never Embed Fonts List", 2047, L"Arial;Courier;Times New Roman;"),
      // security
      Enc(L"User Password"), Enc(L"Owner Password"), Num(L"Level", L"0", S16), Num(L"AllowPrint"),
      Num(L"AllowModify"), Num(L"AllowCopyExtract"), Num(L"AllowAnnotForms"), Num(L"AllowFillFormsRev3"),
      Num(L"AllowExtractRev3"), Num(L"AllowModPagesRev3"), Num(L"AllowPrintRev3"),
      // links
      Num(L"AnalyzeUrl", L"1"), Num(L"DetectFiles"), Num(L"CheckFileExists"), Num(L"BorderType", L"0", S16),
      Num(L"BorderStyle", L"0", S16), Num(L"BorderWidth", L"1000"), Num(L"BorderColor", L"13369344"),
      Num(L"UseLinkColor"),
      // e-mail
      Num(L"Send Email", L"0", U16), Num(L"Email Type", L"0", U16), Num(L"Email Compress PDF", L"0", U16),
      Txt(L"Email To Address", 254), Txt(L"Email CC Address", 254), Txt(L"Email BCC Address", 254),
      Txt(L"Email Subject", 254), Txt(L"Email Body", 2047), Txt(L"Email From Address", 254),
      Txt(L"Email SMTP Server", 254), Txt(L"Email SMTP User", 63), Num(L"Email SMTP Port", L"25", U16),
      Enc(L"Email SMTP Password"), Num(L"Email SMTP Authentification", L"0", U16),
      Num(L"Email SMTP SSL", L"0", U16),
      // bookmarks
      Num(L"Bookmarks Detection Enabled"), Num(L"Bookmarks Allow Multi-Line"),
      Num(L"Bookmarks Match Nodes Regardless of Level"),
      Num(L"Bookmarks Number of Levels to Consider", L"0", S16), Num(L"Bookmarks Open up to Level", L"0", S16),
      Num(kHeadingCount, L"0", S16),
      // watermarks
      Num(L"Enable Watermarks"), Num(kTextWatermarkCount, L"0", S16), Num(kImageWatermarkCount, L"0", S16),
      // profile
      Num(L"OverridePaper"), Num(kAllowChange), Num(L"SilentPrint"),
  };
  static const wchar_t* const kDateParts[] = {
      L"Document Creation Year",  L"Document Creation Month",  L"Document Creation Day",
      L"Document Creation Hour",  L"Document Creation Minute", L"Document Creation Second",
      L"Document Modify Year",    L"Document Modify Month",    L"Document Modify Day",
      L"Document Modify Hour",    L"Document Modify Minute",   L"Document Modify Second"};
  for (const wchar_t* name : kDateParts) o.push_back(Num(name, L"0", S16));
  return o;
}

std::vector<OptionSpec> WatermarkCommon() {
  return {Item(L"Fit to Margins", N, L"1"),      Item(L"Rotation", N, L"0", 0, S16),
          Item(L"Opacity", N, L"100", 0, S16),   Item(L"Print On", N, L"0", 0, S16),
          Item(L"As Background", N, L"1"),       Item(L"Priority", N, L"0", 0, S16),
          Item(L"Visible", N, L"1"),             Item(L"Margin Left", N, L"0"),
          Item(L"Margin Right", N, L"0"),        Item(L"Margin Top", N, L"0"),
          Item(L"Margin Bottom", N, L"0"),       Item(L"Center Horizontally", N, L"1"),
          Item(L"Center Vertically", N, L"1"),   Item(L"Align to Right", N, L"0"),
          Item(L"Align to Bottom", N, L"0"),     Item(L"Left Origin", N, L"0"),
          Item(L"Top Origin", N, L"0")};
}
}  // namespace

const std::vector<OptionSpec>& ProfileOptions() {
  static const std::vector<OptionSpec> table = MakeProfileOptions();
  return table;
}

const std::vector<OptionSpec>& TextWatermarkValues() {
  static const std::vector<OptionSpec> table = [] {
    std::vector<OptionSpec> t = {Item(L"Name", T, L"", 63), Item(L"Text", T, L"", 63), Item(L"Font", T, L"", 29),
                                 Item(L"Range", T, L"", 31), Item(L"Size", N, L"22000"), Item(L"Bold", N, L"0"),
                                 Item(L"Italic", N, L"0"), Item(L"Outline", N, L"0"), Item(L"Color", N, L"0")};
    for (const OptionSpec& s : WatermarkCommon()) t.push_back(s);
    return t;
  }();
  return table;
}

const std::vector<OptionSpec>& ImageWatermarkValues() {
  static const std::vector<OptionSpec> table = [] {
    std::vector<OptionSpec> t = {Item(L"Name", T, L"", 63), Item(L"File", T, L"", 255), Item(L"Range", T, L"", 31),
                                 Item(L"Width", N, L"100000"), Item(L"Height", N, L"100000"),
                                 Item(L"Keep Aspect Ratio", N, L"1"), Item(L"Enable Transparent Color", N, L"0"),
                                 Item(L"Color", N, L"0"), Item(L"Color variation", N, L"0", 0, S16)};
    for (const OptionSpec& s : WatermarkCommon()) t.push_back(s);
    return t;
  }();
  return table;
}

const std::vector<OptionSpec>& BookmarkDefinitionValues() {
  static const std::vector<OptionSpec> table = {
      Item(L"Bookmarks Definition Enabled", N, L"1"),   Item(L"Bookmarks Use Detection Font", N, L"1"),
      Item(L"Bookmarks Detection Font", T, L"", 29),    Item(L"Bookmarks Use Detection Style", N, L"1"),
      Item(L"Bookmarks Detection Style Bold", N, L"1"), Item(L"Bookmarks Detection Style Italic", N, L"0"),
      Item(L"Bookmarks Use Detection Size", N, L"1"),   Item(L"Bookmarks Detection Size Value", N, L"22000"),
      Item(L"Bookmarks Detection Size Pt", N, L"1000"), Item(L"Bookmarks Use Detection Color", N, L"0"),
      Item(L"Bookmarks Detection Color", N, L"0"),      Item(L"Bookmarks Display Bold", N, L"0"),
      Item(L"Bookmarks Display Italic", N, L"0"),       Item(L"Bookmarks Display Color", N, L"0")};
  return table;
}

const OptionSpec* FindProfileOption(const std::wstring& name) {
  for (const OptionSpec& s : ProfileOptions()) {
    if (name == s.name) return &s;
  }
  return nullptr;
}

std::wstring TextWatermarkKey(int index, const std::wstring& value) {
  return L"TextWM" + std::to_wstring(index) + L"_" + value;
}
std::wstring ImageWatermarkKey(int index, const std::wstring& value) {
  return L"ImageWM" + std::to_wstring(index) + L"_" + value;
}
std::wstring HeadingKey(int heading, const std::wstring& value) {
  return L"Heading" + std::to_wstring(heading) + L"_" + value;
}
std::wstring DefinitionKey(int heading, int definition, const std::wstring& value) {
  return L"Heading" + std::to_wstring(heading) + L"_Definition" + std::to_wstring(definition) + L"_" + value;
}

}  // namespace orv::pdf
