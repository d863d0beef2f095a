// The option and profile store through the core, over memory doubles of the
// registry, the public profile file and the spooler.
#include "core_fixture.h"

namespace orv::pdf::testing {
namespace {

const std::wstring kDefaultKey = kLocalProfiles + L"\\Default Profile";

TEST_F(CoreTest, InitializeChecksPointerPrinterAndDriver) {
  EXPECT_EQ(core.Initialize(nullptr), kPointer);
  EXPECT_EQ(core.Initialize(L"Nowhere"), kPrinterUnavailable);
  EXPECT_EQ(core.Initialize(L"Laser"), kNotFolvaPrinter);
  EXPECT_FALSE(core.initialized());
  EXPECT_TRUE(mem.registry.keys.empty());
}

TEST_F(CoreTest, FirstInitializeCreatesTheActiveDefaultProfile) {
  Local();
  EXPECT_EQ(core.currentProfile(), L"Default Profile");
  EXPECT_EQ(RegText(kLocalProfiles, L"ActiveProfile"), L"Default Profile");
  EXPECT_EQ(RegText(kLocalProfiles, L"ActiveProfilePublic"), L"0");
  EXPECT_EQ(RegText(kLocalProfiles, L"AskSaveProfile"), L"1");
  EXPECT_EQ(RegText(kDefaultKey, L"Save File"), L"[N]");
  EXPECT_EQ(RegText(kDefaultKey, L"BorderColor"), L"13369344");
  EXPECT_EQ(RegText(kDefaultKey, L"Standard Forms Visibility Flags"), L"1111111111100000000000000000000000000");
  EXPECT_EQ(mem.registry.Read(kDefaultKey, L"User Password").kind, RegKind::Binary);
  EXPECT_TRUE(mem.file.Exists(kLocalFile));  // created empty
  std::wstring value;
  EXPECT_EQ(core.GetOptionString(L"Save File", &value, L""), kOk);
  EXPECT_EQ(value, L"[N]");
}

TEST_F(CoreTest, UninitializedObjectRefusesAfterPointerChecks) {
  std::wstring text;
  std::int32_t number = 0;
  EXPECT_EQ(core.GetOptionString(L"Save File", nullptr, nullptr), kPointer);
  EXPECT_EQ(core.GetOptionString(L"Save File", &text, nullptr), kNotInitialized);
  EXPECT_EQ(core.SetOptionLong(L"Page Scale", 5, nullptr), kNotInitialized);
  EXPECT_EQ(core.GetOptionLong(L"Page Scale", &number, nullptr), kNotInitialized);
  EXPECT_EQ(core.AddProfile(nullptr), kPointer);
  EXPECT_EQ(core.AddProfile(L"x"), kNotInitialized);
  EXPECT_EQ(core.GetFirstProfile(&text), kNotInitialized);
  EXPECT_EQ(core.SelectAsDefaultPrinter(), kNotInitialized);
  EXPECT_EQ(core.GetPDFFileName(1, &text), kNotInitialized);
  EXPECT_TRUE(mem.registry.keys.empty());
}

TEST_F(CoreTest, PrinterKeyOfANetworkPrinter) {
  EXPECT_EQ(PrinterStore::PrinterKeyName(L"\\\\SRV\\Pdf"), L"SRV,Pdf");
  EXPECT_EQ(PrinterStore::PrinterKeyName(L"A\\B"), L"A,B");
  Network();
  EXPECT_TRUE(core.printer().network);
  EXPECT_EQ(RegText(kNetworkProfiles, L"ActiveProfile"), L"Default Profile");
  EXPECT_TRUE(mem.file.Exists(kNetworkFile));
}

TEST_F(CoreTest, OptionValuesOfTheThreeTypesInTheRegistry) {
  Local();
  ASSERT_EQ(core.SetOptionString(L"Save Folder", L"C:\\out", nullptr), kOk);
  ASSERT_EQ(core.SetOptionLong(L"Page Scale", -5, L""), kOk);
  ASSERT_EQ(core.SetOptionEncString(L"User Password", L"s\u00e9cret", L"Default Profile"), kOk);
  EXPECT_EQ(RegText(kDefaultKey, L"Save Folder"), L"C:\\out");
  EXPECT_EQ(RegText(kDefaultKey, L"Page Scale"), L"-5");
  RegValue pw = mem.registry.Read(kDefaultKey, L"User Password");
  ASSERT_EQ(pw.kind, RegKind::Binary);
  EXPECT_EQ(DecodeText(pw.bytes), std::wstring(L"s\u00e9cret"));

  std::wstring text;
  std::int32_t number = 0;
  EXPECT_EQ(core.GetOptionString(L"Save Folder", &text, nullptr), kOk);
  EXPECT_EQ(text, L"C:\\out");
  EXPECT_EQ(core.GetOptionLong(L"Page Scale", &number, nullptr), kOk);
  EXPECT_EQ(number, -5);
  EXPECT_EQ(core.GetOptionEncString(L"User Password", &text, nullptr), kOk);
  EXPECT_EQ(text, L"s\u00e9cret");
  EXPECT_EQ(core.SetOptionEncString(L"User Password", nullptr, nullptr), kPointer);
  EXPECT_EQ(core.SetOptionString(L"Save Folder", nullptr, nullptr), kOk);  // null is empty text
  EXPECT_EQ(RegText(kDefaultKey, L"Save Folder"), L"");
}

TEST_F(CoreTest, RegistryReadResultsAreMapped) {
  Local();
  std::wstring text;
  std::int32_t number = 7;
  EXPECT_EQ(core.GetOptionString(L"No Such Option", &text, nullptr), kValueNotFound);
  EXPECT_EQ(core.GetOptionString(L"Save File", &text, L"Ghost"), kProfileNotFound);
  EXPECT_EQ(core.GetOptionEncString(L"Save File", &text, nullptr), kWrongType);   // text, not binary
  EXPECT_EQ(core.GetOptionString(L"User Password", &text, nullptr), kWrongType);  // binary, not text
  EXPECT_EQ(core.SetOptionLong(L"User Password", 1, nullptr), kWrongType);        // nothing written over
  EXPECT_EQ(mem.registry.Read(kDefaultKey, L"User Password").kind, RegKind::Binary);
  mem.registry.WriteText(kDefaultKey, L"Empty Number", L"");
  EXPECT_EQ(core.GetOptionLong(L"Empty Number", &number, nullptr), kOk);
  EXPECT_EQ(number, 7);  // an empty stored number leaves the variable alone
}

TEST_F(CoreTest, DamagedEncodedValueFailsAndChangesNothing) {
  Local();
  mem.registry.WriteBinary(kDefaultKey, L"Owner Password", "\x01\x02garbage");
  auto before = mem.registry.keys;
  std::wstring text = L"untouched";
  EXPECT_EQ(core.GetOptionEncString(L"Owner Password", &text, nullptr), kFail);
  EXPECT_EQ(text, L"");
  EXPECT_EQ(mem.registry.keys.size(), before.size());
}

TEST_F(CoreTest, ValueOfAnotherRegistryTypeBlocksWholeProfileOperations) {
  Local();
  mem.registry.WriteOther(kDefaultKey, L"Page Scale");
  auto before = mem.registry.keys.size();
  EXPECT_EQ(core.AddProfile(L"Second"), kWrongType);
  EXPECT_EQ(mem.registry.keys.size(), before);
  EXPECT_FALSE(mem.registry.KeyExists(kLocalProfiles + L"\\Second"));
}

TEST_F(CoreTest, SettingAnUnknownProfileCreatesAPrivateProfile) {
  Local();
  ASSERT_EQ(core.SetOptionString(L"Save File", L"x", L"Loose"), kOk);
  EXPECT_EQ(RegText(kLocalProfiles + L"\\Loose", L"Save File"), L"x");
  std::vector<std::wstring> names;
  std::wstring name;
  EXPECT_EQ(core.GetNextProfile(&name), kEnumNotStarted);
  for (HResult hr = core.GetFirstProfile(&name); hr == kOk; hr = core.GetNextProfile(&name)) names.push_back(name);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Default Profile", L"Loose"}));
  EXPECT_EQ(core.GetNextProfile(&name), kNoMoreProfiles);
}

TEST_F(CoreTest, PublicProfileOfALocalPrinterLivesInTheFile) {
  Local();
  ASSERT_EQ(core.AddPublicProfile(L"Shared"), kOk);
  EXPECT_FALSE(mem.registry.KeyExists(kLocalProfiles + L"\\Shared"));
  EXPECT_EQ(FileText(kLocalFile, L"Shared", L"Save File"), std::wstring(L"[N]"));
  EXPECT_EQ(FileText(kLocalFile, L"Shared", L"Page Zoom"), std::wstring(L"100000"));

  ASSERT_EQ(core.SetOptionLong(L"Page Scale", 80, L"Shared"), kOk);
  ASSERT_EQ(core.SetOptionEncString(L"User Password", L"pw", L"Shared"), kOk);
  EXPECT_EQ(FileText(kLocalFile, L"Shared", L"Page Scale"), std::wstring(L"80"));
  EXPECT_EQ(FileText(kLocalFile, L"Shared", L"User Password"), HexEncode(*EncodeText(L"pw")));
  std::wstring text;
  EXPECT_EQ(core.GetOptionEncString(L"User Password", &text, L"Shared"), kOk);
  EXPECT_EQ(text, L"pw");

  // A key the section lacks reads as 0 or empty.
  mem.file.Find(kLocalFile, L"Shared")->erase(mem.file.Find(kLocalFile, L"Shared")->begin());
  std::int32_t number = 5;
  EXPECT_EQ(core.GetOptionLong(L"Unlisted", &number, L"Shared"), kOk);
  EXPECT_EQ(number, 0);
  EXPECT_EQ(core.GetOptionString(L"Unlisted", &text, L"Shared"), kOk);
  EXPECT_EQ(text, L"");
}

TEST_F(CoreTest, EncodedValueLongerThan127HexDigitsInTheFileCannotBeRead) {
  Local();
  ASSERT_EQ(core.AddPublicProfile(L"Shared"), kOk);
  std::wstring longText;
  unsigned state = 7;
  for (int i = 0; i < 80; ++i) {
    state = state * 1103515245u + 12345u;
    longText += static_cast<wchar_t>(L'!' + (state >> 16) % 90);
  }
  ASSERT_EQ(core.SetOptionEncString(L"User Password", longText.c_str(), L"Shared"), kOk);
  ASSERT_GT(FileText(kLocalFile, L"Shared", L"User Password")->size(), 127u);
  std::wstring text;
  EXPECT_EQ(core.GetOptionEncString(L"User Password", &text, L"Shared"), kFail);
  // A whole-profile save keeps the value whole.
  auto stored = FileText(kLocalFile, L"Shared", L"User Password");
  ASSERT_EQ(core.AddProfile(L"Other"), kOk);
  EXPECT_EQ(FileText(kLocalFile, L"Shared", L"User Password"), stored);
}

TEST_F(CoreTest, DamagedHexInThePublicFileFailsAndChangesNothing) {
  Local();
  ASSERT_EQ(core.AddPublicProfile(L"Shared"), kOk);
  mem.file.Write(kLocalFile, L"Shared", L"Owner Password", L"ZZ12");
  auto fileBefore = mem.file.files;
  auto keysBefore = mem.registry.keys.size();
  EXPECT_EQ(core.AddProfile(L"Next"), kFail);
  std::wstring text;
  EXPECT_EQ(core.GetOptionEncString(L"Owner Password", &text, L"Shared"), kFail);
  EXPECT_EQ(mem.file.files, fileBefore);
  EXPECT_EQ(mem.registry.keys.size(), keysBefore);
}

TEST_F(CoreTest, UnlistedOptionSurvivesInPrivateButNotInPublicProfiles) {
  Local();
  ASSERT_EQ(core.AddPublicProfile(L"Shared"), kOk);
  ASSERT_EQ(core.SetOptionLong(L"EventsWindow", 1234, L"Shared"), kOk);
  ASSERT_EQ(core.RegisterEventWindow(4321), kOk);
  EXPECT_EQ(FileText(kLocalFile, L"Shared", L"EventsWindow"), std::wstring(L"1234"));
  ASSERT_EQ(core.AddProfile(L"Trigger"), kOk);  // saves the whole list
  EXPECT_FALSE(FileText(kLocalFile, L"Shared", L"EventsWindow"));
  EXPECT_EQ(RegText(kDefaultKey, L"EventsWindow"), L"4321");
  ASSERT_EQ(core.UnRegisterEventWindow(), kOk);
  EXPECT_EQ(RegText(kDefaultKey, L"EventsWindow"), L"0");
}

TEST_F(CoreTest, RecordRoomCutsTextsAndNumbersOnWholeProfileSaves) {
  Local();
  ASSERT_EQ(core.SetOptionString(L"Save File", std::wstring(100, L's').c_str(), nullptr), kOk);
  ASSERT_EQ(core.SetOptionLong(L"Page Scale", 70000, nullptr), kOk);
  ASSERT_EQ(core.SetOptionLong(L"Email SMTP Port", -1, nullptr), kOk);
  ASSERT_EQ(core.SetOptionLong(L"Number of Text Watermarks", 12, nullptr), kOk);
  EXPECT_EQ(RegText(kDefaultKey, L"Save File").size(), 100u);
  ASSERT_EQ(core.AddProfile(L"Trigger"), kOk);
  EXPECT_EQ(RegText(kDefaultKey, L"Save File"), std::wstring(63, L's'));
  EXPECT_EQ(RegText(kDefaultKey, L"Page Scale"), L"4464");
  EXPECT_EQ(RegText(kDefaultKey, L"Email SMTP Port"), L"65535");
  EXPECT_EQ(RegText(kDefaultKey, L"Number of Text Watermarks"), L"10");
  EXPECT_TRUE(mem.registry.KeyExists(kDefaultKey + L"\\Text Watermarks\\WMT9"));
  EXPECT_FALSE(mem.registry.KeyExists(kDefaultKey + L"\\Text Watermarks\\WMT10"));
}

TEST_F(CoreTest, ProfileOperationsAndTheirCodes) {
  Local();
  EXPECT_EQ(core.AddProfile(L"Draft"), kOk);
  EXPECT_EQ(core.AddProfile(L"Draft"), kProfileExists);
  ASSERT_EQ(core.SetOptionLong(L"Page Scale", 50, L"Draft"), kOk);
  EXPECT_EQ(core.CopyProfile(L"Draft", L"Draft 2"), kOk);
  EXPECT_EQ(RegText(kLocalProfiles + L"\\Draft 2", L"Page Scale"), L"50");
  EXPECT_EQ(core.CopyProfile(L"Ghost", L"X"), kProfileNotFound);
  EXPECT_EQ(core.CopyProfile(L"Draft", L"Draft 2"), kProfileExists);
  EXPECT_EQ(core.RenameProfile(L"Draft 2", L"Final"), kOk);
  EXPECT_FALSE(mem.registry.KeyExists(kLocalProfiles + L"\\Draft 2"));
  EXPECT_EQ(RegText(kLocalProfiles + L"\\Final", L"Page Scale"), L"50");
  EXPECT_EQ(core.DeleteProfile(L"Default Profile"), kActiveProfile);
  EXPECT_TRUE(mem.registry.KeyExists(kDefaultKey));
  EXPECT_EQ(core.DeleteProfile(L"Ghost"), kProfileNotFound);
  EXPECT_EQ(core.SetActiveProfile(L"Ghost"), kProfileNotFound);
  EXPECT_EQ(core.SetActiveProfile(L"Final"), kOk);
  EXPECT_EQ(core.currentProfile(), L"Final");
  std::wstring active;
  EXPECT_EQ(core.GetActiveProfile(&active), kOk);
  EXPECT_EQ(active, L"Final");
  EXPECT_EQ(core.RenameProfile(L"Final", L"Release"), kOk);
  EXPECT_EQ(RegText(kLocalProfiles, L"ActiveProfile"), L"Release");
  EXPECT_EQ(core.DeleteProfile(L"Default Profile"), kOk);
  EXPECT_FALSE(mem.registry.KeyExists(kDefaultKey));
  std::vector<std::wstring> names;
  std::wstring name;
  for (HResult hr = core.GetFirstProfile(&name); hr == kOk; hr = core.GetNextProfile(&name)) names.push_back(name);
  EXPECT_EQ(names, (std::vector<std::wstring>{L"Draft", L"Release"}));
}

TEST_F(CoreTest, ProfileLimitsOf100And50Public) {
  Local();
  // 50 private profiles (the registry enumeration's limit) and 49 public ones.
  for (int i = 1; i < 50; ++i) mem.registry.WriteText(kLocalProfiles + L"\\P" + std::to_wstring(i), L"Page Scale", L"9");
  for (int i = 0; i < 49; ++i) mem.file.Write(kLocalFile, L"Q" + std::to_wstring(i), L"Page Scale", L"9");
  EXPECT_EQ(core.AddPublicProfile(L"Q49"), kOk);
  EXPECT_EQ(core.AddPublicProfile(L"Q50"), kTooManyProfiles);
  EXPECT_EQ(core.AddProfile(L"P50"), kTooManyProfiles);
  EXPECT_EQ(core.CopyProfile(L"P1", L"P1 copy"), kTooManyProfiles);
  EXPECT_EQ(core.RenameProfile(L"P1", L"P1 renamed"), kTooManyProfiles);
  EXPECT_EQ(core.DeleteProfile(L"Q3"), kOk);
  EXPECT_FALSE(FileText(kLocalFile, L"Q3", L"Page Scale"));
  EXPECT_EQ(core.RenameProfile(L"P1", L"P1 renamed"), kOk);
  EXPECT_EQ(core.AddPublicProfile(L"Q50"), kOk);
}

class NetworkTest : public CoreTest {
 protected:
  void WithSharedProfile(int allowChange) {
    Network();
    mem.file.Write(kNetworkFile, L"Shared", L"Save File", L"shared.pdf");
    mem.file.Write(kNetworkFile, L"Shared", L"AllowChangeProfile", std::to_wstring(allowChange));
  }
};

TEST_F(NetworkTest, PublicProfilesCannotBeAddedCopiedOrDeleted) {
  WithSharedProfile(1);
  EXPECT_EQ(core.AddPublicProfile(L"New"), kNetworkPublic);
  EXPECT_EQ(core.CopyProfile(L"Shared", L"Mine"), kNetworkPublic);
  EXPECT_EQ(core.DeleteProfile(L"Shared"), kNetworkPublic);
}

TEST_F(NetworkTest, ChangeAllowedLandsInTheUsersRegistry) {
  WithSharedProfile(1);
  const std::wstring key = kNetworkProfiles + L"\\Shared";
  std::wstring text;
  EXPECT_EQ(core.GetOptionString(L"Save File", &text, L"Shared"), kOk);
  EXPECT_EQ(text, L"shared.pdf");
  ASSERT_EQ(core.SetOptionString(L"Save File", L"mine.pdf", L"Shared"), kOk);
  EXPECT_EQ(RegText(key, L"Save File"), L"mine.pdf");
  EXPECT_EQ(RegText(key, L"PublicProfile"), L"1");
  EXPECT_EQ(core.GetOptionString(L"Save File", &text, L"Shared"), kOk);
  EXPECT_EQ(text, L"mine.pdf");
  EXPECT_EQ(FileText(kNetworkFile, L"Shared", L"Save File"), std::wstring(L"shared.pdf"));
  // A list save keeps only what differs from the file.
  ASSERT_EQ(core.AddProfile(L"Private"), kOk);
  EXPECT_EQ(RegText(key, L"Save File"), L"mine.pdf");
  EXPECT_EQ(RegText(key, L"PublicProfile"), L"1");
  EXPECT_EQ(mem.registry.Read(key, L"Page Zoom").kind, RegKind::Missing);
  EXPECT_EQ(core.GetOptionString(L"Save File", &text, L"Shared"), kOk);
  EXPECT_EQ(text, L"mine.pdf");
}

TEST_F(NetworkTest, UserChangesOverlayTheSharedBookmarks) {
  WithSharedProfile(1);
  mem.file.Write(kNetworkFile, L"Shared", L"Bookmark Items Number", L"1");
  mem.file.Write(kNetworkFile, L"Shared", L"Heading1_Bookmarks Number of Sub-Levels", L"1");
  mem.file.Write(kNetworkFile, L"Shared", L"Heading1_Definition1_Bookmarks Detection Font", L"Times");
  ASSERT_EQ(core.SetOptionString(L"Save File", L"mine.pdf", L"Shared"), kOk);
  ASSERT_EQ(core.AddProfile(L"Private"), kOk);  // list save: only the differences stay
  EXPECT_FALSE(mem.registry.KeyExists(kNetworkProfiles + L"\\Shared\\Bookmarks"));
  BookmarkDefinition d;
  ASSERT_EQ(core.GetBookmarkDefinition(1, 1, &d, L"Shared"), kOk);
  EXPECT_EQ(d.font, L"Times");
  std::uint16_t number = 0;
  ASSERT_EQ(core.AddBookmarkDefinition(1, d, &number, L"Shared"), kOk);
  EXPECT_EQ(number, 2);
  EXPECT_EQ(RegText(kNetworkProfiles + L"\\Shared", L"PublicProfile"), L"1");
  std::uint16_t count = 0;
  ASSERT_EQ(core.GetBookmarkDefinitionCount(1, &count, L"Shared"), kOk);
  EXPECT_EQ(count, 2);
  std::wstring text;
  ASSERT_EQ(core.GetOptionString(L"Save File", &text, L"Shared"), kOk);
  EXPECT_EQ(text, L"mine.pdf");
}

TEST_F(NetworkTest, ChangeNotAllowedIsRefused) {
  WithSharedProfile(0);
  EXPECT_EQ(core.SetOptionString(L"Save File", L"mine.pdf", L"Shared"), kNetworkPublic);
  EXPECT_EQ(core.AddPredefinedForm(L"F", L"d", 100, 100, 1, L"Shared"), kNetworkPublic);
  EXPECT_FALSE(mem.registry.KeyExists(kNetworkProfiles + L"\\Shared"));
  // Unregistering the event window applies no such restriction.
  ASSERT_EQ(core.SetActiveProfile(L"Shared"), kOk);
  EXPECT_EQ(core.RegisterEventWindow(99), kNetworkPublic);
  EXPECT_EQ(core.UnRegisterEventWindow(), kOk);
  EXPECT_EQ(FileText(kNetworkFile, L"Shared", L"EventsWindow"), std::wstring(L"0"));
}

TEST_F(CoreTest, PdfFileNamesComeFromThePrinterKey) {
  Local();
  std::wstring name = L"x";
  EXPECT_EQ(core.GetPDFFileName(1, &name), kValueNotFound);
  EXPECT_EQ(name, L"");
  mem.registry.WriteText(L"Software\\Dunmere\\folvaPDF\\Printers\\PDF Local", L"PDFFileNamePrint", L"C:\\a.pdf");
  EXPECT_EQ(core.GetPDFFileName(1, &name), kOk);
  EXPECT_EQ(name, L"C:\\a.pdf");
  EXPECT_EQ(core.GetPDFFileName(0, &name), kValueNotFound);
  EXPECT_EQ(core.GetPDFFileName(0, nullptr), kPointer);
}

TEST_F(CoreTest, DefaultPrinterIsRememberedAndRestored) {
  Local();
  EXPECT_EQ(core.RestoreDefaultPrinter(), kNoSavedPrinter);
  EXPECT_EQ(core.SelectAsDefaultPrinter(), kOk);
  EXPECT_EQ(mem.spooler.defaultPrinter, kLocalPrinter);
  EXPECT_EQ(core.RestoreDefaultPrinter(), kOk);
  EXPECT_EQ(mem.spooler.defaultPrinter, L"Office");
  EXPECT_EQ(core.RestoreDefaultPrinter(), kNoSavedPrinter);
  // Twice: the second call remembers the folvaPDF printer itself.
  EXPECT_EQ(core.SelectAsDefaultPrinter(), kOk);
  EXPECT_EQ(core.SelectAsDefaultPrinter(), kOk);
  EXPECT_EQ(core.RestoreDefaultPrinter(), kOk);
  EXPECT_EQ(mem.spooler.defaultPrinter, kLocalPrinter);
  mem.spooler.failSetDefault = true;
  mem.spooler.defaultPrinter = L"Office";
  EXPECT_EQ(core.SelectAsDefaultPrinter(), kFail);
}

}  // namespace
}  // namespace orv::pdf::testing
