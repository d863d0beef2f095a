// Paper forms and bookmark definitions of a profile, through the core.
#include "core_fixture.h"

namespace orv::pdf::testing {
namespace {

const std::wstring kDefaultKey = kLocalProfiles + L"\\Default Profile";

TEST_F(CoreTest, HidingAStandardFormChangesItsFlag) {
  Local();
  ASSERT_EQ(core.SetFormVisible(L"Legal", 0, L""), kOk);
  EXPECT_EQ(RegText(kDefaultKey, L"Standard Forms Visibility Flags"), L"1101111111100000000000000000000000000");
  ASSERT_EQ(core.SetFormVisible(L"German Legal Fanfold", 1, L""), kOk);
  EXPECT_EQ(RegText(kDefaultKey, L"Standard Forms Visibility Flags"), L"1101111111100000000000000000000010000");
  // A value missing from the registry starts from the default flags.
  mem.registry.keys[Lower(kDefaultKey)].values.erase(Lower(L"Standard Forms Visibility Flags"));
  ASSERT_EQ(core.SetFormVisible(L"A4", 0, L""), kOk);
  EXPECT_EQ(RegText(kDefaultKey, L"Standard Forms Visibility Flags"), L"0111111111100000000000000000000000000");
  // A public profile whose file lacks the flags has nothing to change.
  ASSERT_EQ(core.AddPublicProfile(L"Shared"), kOk);
  mem.file.Write(kLocalFile, L"Shared", L"Standard Forms Visibility Flags", L"");
  EXPECT_EQ(core.SetFormVisible(L"A4", 0, L"Shared"), kFail);
}

TEST_F(CoreTest, CustomFormSizesAreCheckedInMillimetres) {
  Local();
  EXPECT_EQ(core.AddPredefinedForm(L"Small", L"d", 9.5f, 100, 1, nullptr), kWidthRange);
  EXPECT_EQ(core.AddPredefinedForm(L"Small", L"d", 100, 9.5f, 1, nullptr), kHeightRange);
  EXPECT_EQ(core.AddPredefinedForm(L"Huge", L"d", 10000.5f, 100, 1, nullptr), kWidthRange);
  EXPECT_EQ(core.AddPredefinedForm(L"Small", L"d", 10, 10, 1, nullptr), kOk);
  EXPECT_EQ(core.AddPredefinedForm(L"Big", L"d", 10000, 10000, 0, nullptr), kOk);
  EXPECT_EQ(core.AddPredefinedForm(nullptr, L"d", 10, 10, 1, nullptr), kPointer);
  EXPECT_EQ(core.AddPredefinedForm(L"X", nullptr, 10, 10, 1, nullptr), kPointer);
  FormInfo form;
  ASSERT_EQ(core.GetPredefinedForm(L"Big", &form, nullptr), kOk);
  EXPECT_FLOAT_EQ(form.width, 10000.0f);
  EXPECT_EQ(form.visible, 0);
  EXPECT_EQ(core.GetPredefinedForm(L"Nope", &form, nullptr), kFormNotFound);
  EXPECT_EQ(RegText(kDefaultKey, L"Custom Forms").size(), 2 * kFormRecordChars);
}

TEST_F(CoreTest, CustomFormLimitAndNameClashes) {
  Local();
  for (int i = 0; i < 34; ++i) {
    ASSERT_EQ(core.AddPredefinedForm((L"F" + std::to_wstring(i)).c_str(), L"d", 100, 200, 1, nullptr), kOk);
  }
  EXPECT_EQ(core.AddPredefinedForm(L"F34", L"d", 100, 200, 1, nullptr), kTooManyForms);
  EXPECT_EQ(core.RemovePredefinedForm(L"F0", nullptr), kOk);
  EXPECT_EQ(core.AddPredefinedForm(L"F1", L"d", 100, 200, 1, nullptr), kFormExists);
  EXPECT_EQ(core.AddPredefinedForm(L"Letter", L"d", 100, 200, 1, nullptr), kFormExists);
}

TEST_F(CoreTest, RemovingTheOnlyFormLeavesNone) {
  Local();
  FormInfo form;
  EXPECT_EQ(core.GetNextForm(&form), kEnumNotStarted);
  EXPECT_EQ(core.GetFirstForm(&form, nullptr), kNoMoreForms);
  ASSERT_EQ(core.AddPredefinedForm(L"Card", L"Index card", 127, 76.2f, 1, nullptr), kOk);
  ASSERT_EQ(core.GetFirstForm(&form, nullptr), kOk);
  EXPECT_EQ(form.name, L"Card");
  EXPECT_EQ(form.description, L"Index card");
  EXPECT_NEAR(form.height, 76.2f, 0.001f);
  EXPECT_EQ(core.GetNextForm(&form), kNoMoreForms);
  EXPECT_EQ(core.RemovePredefinedForm(L"A4", L""), kStandardForm);
  EXPECT_EQ(core.RemovePredefinedForm(L"Nope", L""), kFormNotFound);
  ASSERT_EQ(core.RemovePredefinedForm(L"Card", L""), kOk);
  EXPECT_EQ(RegText(kDefaultKey, L"Custom Forms"), L"");
  EXPECT_EQ(core.GetFirstForm(&form, nullptr), kNoMoreForms);
  ASSERT_EQ(core.AddPredefinedForm(L"Card", L"Index card", 127, 76.2f, 1, nullptr), kOk);
  ASSERT_EQ(core.SetFormVisible(L"Card", 0, nullptr), kOk);
  ASSERT_EQ(core.GetPredefinedForm(L"Card", &form, nullptr), kOk);
  EXPECT_EQ(form.visible, 0);
  EXPECT_EQ(core.SetFormVisible(L"Nope", 0, nullptr), kFormNotFound);
}

TEST_F(CoreTest, PublicProfileKeepsItsFifthAndLaterForms) {
  Local();
  ASSERT_EQ(core.AddPublicProfile(L"Shared"), kOk);
  for (int i = 0; i < 6; ++i) {
    ASSERT_EQ(core.AddPredefinedForm((L"F" + std::to_wstring(i)).c_str(), L"d", 100, 200, 1, L"Shared"), kOk);
  }
  EXPECT_EQ(FileText(kLocalFile, L"Shared", L"Custom Forms")->size(), 6 * kFormRecordChars);
  int count = 0;
  FormInfo form;
  for (HResult hr = core.GetFirstForm(&form, L"Shared"); hr == kOk; hr = core.GetNextForm(&form)) ++count;
  EXPECT_EQ(count, 6);
  ASSERT_EQ(core.AddProfile(L"Trigger"), kOk);  // whole-list save rewrites the file
  EXPECT_EQ(FileText(kLocalFile, L"Shared", L"Custom Forms")->size(), 6 * kFormRecordChars);
}

TEST_F(CoreTest, UnreadableCustomFormsAreNeverWrittenOver) {
  Local();
  mem.registry.WriteText(kDefaultKey, L"Custom Forms", std::wstring(300, L'0'));
  FormInfo form;
  EXPECT_EQ(core.GetFirstForm(&form, nullptr), kNoMoreForms);
  EXPECT_EQ(core.AddPredefinedForm(L"New", L"d", 100, 100, 1, nullptr), kFail);
  EXPECT_EQ(RegText(kDefaultKey, L"Custom Forms"), std::wstring(300, L'0'));
}

BookmarkDefinition Definition(const std::wstring& font, float size) {
  BookmarkDefinition d;
  d.enabled = 1;
  d.useFont = 1;
  d.font = font;
  d.useSize = 1;
  d.sizeValue = size;
  d.sizePoints = 2.5f;
  d.color = 0xFF0000;
  d.displayColor = 0x00FF00;
  return d;
}

TEST_F(CoreTest, BookmarkHeadingsAreCreatedAndNumbered) {
  Local();
  std::uint16_t number = 0, count = 0;
  ASSERT_EQ(core.GetBookmarkHeaderCount(&count, nullptr), kOk);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(core.AddBookmarkDefinition(3, Definition(L"Arial", 12), &number, nullptr), kHeadingRange);
  EXPECT_EQ(number, 0xFFFF);
  ASSERT_EQ(core.AddBookmarkDefinition(1, Definition(L"Arial", 10.5f), &number, nullptr), kOk);
  EXPECT_EQ(number, 1);
  EXPECT_EQ(RegText(kDefaultKey, L"Bookmark Items Number"), L"1");
  const std::wstring def = kDefaultKey + L"\\Bookmarks\\Heading1\\Definition1";
  EXPECT_EQ(RegText(kDefaultKey + L"\\Bookmarks\\Heading1", L"Bookmarks Number of Sub-Levels"), L"1");
  EXPECT_EQ(RegText(def, L"Bookmarks Detection Size Value"), L"10500");
  EXPECT_EQ(RegText(def, L"Bookmarks Detection Color"), L"16711680");
  BookmarkDefinition back;
  ASSERT_EQ(core.GetBookmarkDefinition(1, 1, &back, nullptr), kOk);
  EXPECT_EQ(back.sizeValue, 10.0f);  // whole numbers come back
  EXPECT_EQ(back.sizePoints, 2.0f);
  EXPECT_EQ(back.font, L"Arial");
  EXPECT_EQ(back.displayColor, 0x00FF00u);
  ASSERT_EQ(core.AddBookmarkDefinition(2, Definition(L"Times", 14), &number, nullptr), kOk);
  ASSERT_EQ(core.AddBookmarkDefinition(2, Definition(L"Courier", 9), &number, nullptr), kOk);
  EXPECT_EQ(number, 2);
  ASSERT_EQ(core.GetBookmarkDefinitionCount(2, &count, nullptr), kOk);
  EXPECT_EQ(count, 2);
  EXPECT_EQ(core.GetBookmarkDefinitionCount(3, &count, nullptr), kHeadingRange);
  EXPECT_EQ(core.GetBookmarkDefinition(2, 3, &back, nullptr), kDefinitionRange);
  EXPECT_EQ(core.GetBookmarkDefinition(3, 1, &back, nullptr), kHeadingRange);

  // Deleting the only definition of heading 1 removes it; heading 2 moves up.
  ASSERT_EQ(core.DeleteBookmarkDefinition(1, 1, nullptr), kOk);
  ASSERT_EQ(core.GetBookmarkHeaderCount(&count, nullptr), kOk);
  EXPECT_EQ(count, 1);
  ASSERT_EQ(core.GetBookmarkDefinition(1, 2, &back, nullptr), kOk);
  EXPECT_EQ(back.font, L"Courier");
  EXPECT_FALSE(mem.registry.KeyExists(kDefaultKey + L"\\Bookmarks\\Heading2"));
  ASSERT_EQ(core.DeleteBookmarkDefinition(1, 1, nullptr), kOk);
  ASSERT_EQ(core.GetBookmarkDefinition(1, 1, &back, nullptr), kOk);
  EXPECT_EQ(back.font, L"Courier");
}

TEST_F(CoreTest, BookmarkDefinitionsStayWithinTheRecord) {
  Local();
  std::uint16_t number = 0;
  for (int i = 0; i < 9; ++i) ASSERT_EQ(core.AddBookmarkDefinition(1, Definition(L"F", 1), &number, nullptr), kOk);
  EXPECT_EQ(number, 9);
  EXPECT_EQ(core.AddBookmarkDefinition(1, Definition(L"F", 1), &number, nullptr), kDefinitionRange);
  std::wstring longFont(40, L'f');
  ASSERT_EQ(core.ModifyBookmarkDefinition(1, 9, Definition(longFont, 8), nullptr), kOk);
  BookmarkDefinition back;
  ASSERT_EQ(core.GetBookmarkDefinition(1, 9, &back, nullptr), kOk);
  EXPECT_EQ(back.font, std::wstring(29, L'f'));
  ASSERT_EQ(core.EnableBookmarkDefinition(1, 9, 0, nullptr), kOk);
  ASSERT_EQ(core.GetBookmarkDefinition(1, 9, &back, nullptr), kOk);
  EXPECT_EQ(back.enabled, 0);
  EXPECT_EQ(core.EnableBookmarkDefinition(1, 10, 0, nullptr), kDefinitionRange);
  EXPECT_EQ(core.AddBookmarkDefinition(9, Definition(L"F", 1), &number, nullptr), kHeadingRange);
  EXPECT_EQ(core.AddBookmarkDefinition(1, Definition(L"F", 1), nullptr, nullptr), kPointer);
}

TEST_F(CoreTest, BookmarksOfAPublicProfileUseFlattenedFileKeysAndDefaults) {
  Local();
  ASSERT_EQ(core.AddPublicProfile(L"Shared"), kOk);
  std::uint16_t number = 0;
  ASSERT_EQ(core.AddBookmarkDefinition(1, Definition(L"Arial", 12), &number, L"Shared"), kOk);
  EXPECT_EQ(FileText(kLocalFile, L"Shared", L"Heading1_Bookmarks Number of Sub-Levels"), std::wstring(L"1"));
  EXPECT_EQ(FileText(kLocalFile, L"Shared", L"Heading1_Definition1_Bookmarks Detection Font"),
            std::wstring(L"Arial"));
  // A value missing from the file takes its file default; a missing count is one.
  IniLines& lines = *mem.file.Find(kLocalFile, L"Shared");
  lines.erase(std::remove_if(lines.begin(), lines.end(),
                             [](auto& l) {
                               return l.first == L"Heading1_Definition1_Bookmarks Detection Size Value" ||
                                      l.first == L"Heading1_Bookmarks Number of Sub-Levels";
                             }),
              lines.end());
  BookmarkDefinition back;
  ASSERT_EQ(core.GetBookmarkDefinition(1, 1, &back, L"Shared"), kOk);
  EXPECT_EQ(back.sizeValue, 22.0f);
  std::uint16_t count = 0;
  ASSERT_EQ(core.GetBookmarkDefinitionCount(1, &count, L"Shared"), kOk);
  EXPECT_EQ(count, 1);
}

TEST_F(CoreTest, BookmarksOfAnUnknownProfile) {
  Local();
  std::uint16_t count = 0;
  EXPECT_EQ(core.GetBookmarkHeaderCount(&count, L"Ghost"), kProfileNotFound);
  EXPECT_EQ(core.GetBookmarkHeaderCount(nullptr, L"Ghost"), kPointer);
}

}  // namespace
}  // namespace orv::pdf::testing
