// Tag database calls.
#include <windows.h>

#include "core/tag_name.h"
#include "core/text_util.h"
#include "ui/message_box.h"
#include "tarvo.h"
#include "win/database_state.h"

using namespace tarvo;

namespace {

TagRef FromRecord(const TAGREF& r) {
  TagRef t;
  t.tag = r.nTag;
  t.index = r.nIndex;
  t.indexTag = r.nIndexTag;
  t.member = r.nMember;
  t.field = r.nField;
  t.flags = r.dwFlags;
  return t;
}

void ToRecord(const TagRef& t, TAGREF& r) {
  r.nTag = t.tag;
  r.nIndex = t.index;
  r.nIndexTag = t.indexTag;
  r.nMember = t.member;
  r.nField = t.field;
  r.dwFlags = t.flags;
}

const TagDef* TagOf(const std::shared_ptr<const TagDatabase>& db, int number) { return db ? db->Tag(number) : nullptr; }

}  // namespace

extern "C" {

BOOL WINAPI IsDBOpen(void) { return CurrentDatabase() ? TRUE : FALSE; }
BOOL WINAPI DBOpen(void) { return OpenDatabase() ? TRUE : FALSE; }
void WINAPI DBClose(int) { CloseDatabase(); }
int WINAPI DBOpenError(void) { return LastOpenError(); }

BOOL WINAPI DBGetVar(TAGREF* ref, const wchar_t* name) {
  if (!ref || !name) return FALSE;
  const auto db = CurrentDatabase();
  TagRef parsed;
  if (!db || !ParseTagName(*db, name, parsed)) return FALSE;
  ToRecord(parsed, *ref);
  return TRUE;
}

BOOL WINAPI DBGetVarName(const TAGREF* ref, wchar_t* buffer, int size) {
  CopyToBuffer(L"", buffer, size);
  const auto db = CurrentDatabase();
  std::wstring name;
  if (!ref || !db || !FormatTagName(*db, FromRecord(*ref), name)) return FALSE;
  return CopyToBuffer(name, buffer, size) ? TRUE : FALSE;
}

BOOL WINAPI DBGetTagName(int tag, wchar_t* buffer, int size) {
  const TagDef* t = TagOf(CurrentDatabase(), tag);
  CopyToBuffer(t ? t->name : L"", buffer, size);
  return t && CopyToBuffer(t->name, buffer, size) ? TRUE : FALSE;
}

int WINAPI DBGetTagType(int tag, wchar_t* className, int size) {
  const auto db = CurrentDatabase();
  const TagDef* t = TagOf(db, tag);
  const ClassDef* cls = t ? db->ClassOfType(t->type) : nullptr;
  CopyToBuffer(cls ? cls->name : L"", className, size);
  return t ? t->type : -1;
}

int WINAPI DBGetTagSize(int tag) {
  const TagDef* t = TagOf(CurrentDatabase(), tag);
  return t ? t->arraySize : -1;
}

BOOL WINAPI DBIsIndirect(int tag) {
  const TagDef* t = TagOf(CurrentDatabase(), tag);
  return t && (t->flags & kTagIndirect) ? TRUE : FALSE;
}

DWORD WINAPI DBGetTagFlags(int tag) {
  const TagDef* t = TagOf(CurrentDatabase(), tag);
  return t ? t->flags : 0;
}

BOOL WINAPI DBVerifyTag(HWND owner, const wchar_t* name, BOOL promptInvalid, BOOL promptCreate, int, int) {
  if (!name) return FALSE;
  const auto db = CurrentDatabase();
  TagRef ref;
  if (db && ParseTagName(*db, name, ref)) return TRUE;
  if (!IsValidName(name)) {
    if (promptInvalid)
      orv::ui::OrvMessageBox(owner, std::wstring(L"\"") + name + L"\" is not a valid tag name.", L"Tags",
                             MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  if (!promptCreate || !db) return TRUE;  // a well-formed name is acceptable
  const int answer = orv::ui::OrvMessageBox(
      owner, std::wstring(L"The tag \"") + name + L"\" does not exist. Create it as an integer tag?", L"Tags",
      MB_YESNO | MB_ICONQUESTION);
  if (answer != IDYES) return FALSE;
  TagDatabase changed;
  std::wstring error;
  if (!ReadDatabaseFile(DatabaseFilePath(), changed, error)) changed = *db;
  TagDef tag;
  tag.name = name;
  tag.type = kTypeInteger;
  if (!changed.FindTag(name) && (!changed.AddTag(tag, error) || !SaveDatabase(changed, error))) {
    orv::ui::OrvMessageBox(owner, L"Cannot create the tag: " + error, L"Tags", MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
  }
  return TRUE;
}

int WINAPI DBClassFindName(const wchar_t* className) {
  const auto db = CurrentDatabase();
  return db && className ? db->FindClass(className) : 0;
}

int WINAPI DBClassGetMemberCount(int classNumber) {
  const auto db = CurrentDatabase();
  const ClassDef* cls = db ? db->Class(classNumber) : nullptr;
  return cls ? static_cast<int>(cls->members.size()) : 0;
}

BOOL WINAPI DBClassGetMemberName(int classNumber, int member, wchar_t* buffer, int size) {
  const auto db = CurrentDatabase();
  const ClassDef* cls = db ? db->Class(classNumber) : nullptr;
  if (!cls || member < 1 || member > static_cast<int>(cls->members.size())) {
    CopyToBuffer(L"", buffer, size);
    return FALSE;
  }
  return CopyToBuffer(cls->members[static_cast<std::size_t>(member - 1)].name, buffer, size) ? TRUE : FALSE;
}

int WINAPI DBClassGetMemberType(int classNumber, int member) {
  const auto db = CurrentDatabase();
  const ClassDef* cls = db ? db->Class(classNumber) : nullptr;
  if (!cls || member < 1 || member > static_cast<int>(cls->members.size())) return -1;
  return cls->members[static_cast<std::size_t>(member - 1)].type;
}

int WINAPI UNGetTotalCount(void) {
  const auto db = CurrentDatabase();
  return db ? db->TagCount() : 0;
}

int WINAPI UNGetMaxArray(void) { return kMaxArraySize; }

}  // extern "C"
