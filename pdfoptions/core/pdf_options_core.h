// The PDF options object without its COM clothing: binds to a folvaPDF printer and
// answers every method of the options interface with the server's result codes.
// Input texts may be null where the interface allows it; outputs are plain values.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "paper_forms.h"
#include "pdf_result.h"
#include "printer_store.h"
#include "store_ports.h"

namespace orv::pdf {

struct BookmarkDefinition {
  std::int32_t enabled = 0;
  std::int32_t useFont = 0;
  std::wstring font;  // at most 29 characters are kept
  std::int32_t useStyle = 0;
  std::int32_t bold = 0;
  std::int32_t italic = 0;
  std::int32_t useSize = 0;
  float sizeValue = 0;
  float sizePoints = 0;
  std::int32_t useColor = 0;
  std::uint32_t color = 0;
  std::int32_t displayBold = 0;
  std::int32_t displayItalic = 0;
  std::uint32_t displayColor = 0;
};

struct FormInfo {
  std::wstring name;
  std::wstring description;
  float width = 0;
  float height = 0;
  std::int32_t visible = 0;
};

class PdfOptionsCore {
 public:
  explicit PdfOptionsCore(StorePorts ports) : ports_(ports) {}

  HResult Initialize(const wchar_t* printerName);

  HResult SetOptionString(const wchar_t* name, const wchar_t* value, const wchar_t* profile);
  HResult GetOptionString(const wchar_t* name, std::wstring* value, const wchar_t* profile);
  HResult SetOptionLong(const wchar_t* name, std::int32_t value, const wchar_t* profile);
  // An empty stored number leaves *value as it was.
  HResult GetOptionLong(const wchar_t* name, std::int32_t* value, const wchar_t* profile);
  HResult SetOptionEncString(const wchar_t* name, const wchar_t* value, const wchar_t* profile);
  HResult GetOptionEncString(const wchar_t* name, std::wstring* value, const wchar_t* profile);

  HResult AddProfile(const wchar_t* name) { return AddNewProfile(name, false); }
  HResult AddPublicProfile(const wchar_t* name) { return AddNewProfile(name, true); }
  HResult CopyProfile(const wchar_t* oldName, const wchar_t* newName);
  HResult RenameProfile(const wchar_t* oldName, const wchar_t* newName);
  HResult DeleteProfile(const wchar_t* name);
  HResult GetFirstProfile(std::wstring* name);
  HResult GetNextProfile(std::wstring* name);
  HResult GetActiveProfile(std::wstring* name);
  HResult SetActiveProfile(const wchar_t* name);

  HResult AddPredefinedForm(const wchar_t* name, const wchar_t* description, float width, float height,
                            std::int32_t visible, const wchar_t* profile);
  HResult GetPredefinedForm(const wchar_t* name, FormInfo* form, const wchar_t* profile);
  HResult RemovePredefinedForm(const wchar_t* name, const wchar_t* profile);
  HResult SetFormVisible(const wchar_t* name, std::int32_t visible, const wchar_t* profile);
  HResult GetFirstForm(FormInfo* form, const wchar_t* profile);
  HResult GetNextForm(FormInfo* form);

  HResult SelectAsDefaultPrinter();
  HResult RestoreDefaultPrinter();
  HResult RegisterEventWindow(std::int32_t window);
  HResult UnRegisterEventWindow();

  HResult AddBookmarkDefinition(std::uint16_t heading, const BookmarkDefinition& values, std::uint16_t* definition,
                                const wchar_t* profile);
  HResult ModifyBookmarkDefinition(std::uint16_t heading, std::uint16_t definition, const BookmarkDefinition& values,
                                   const wchar_t* profile);
  HResult DeleteBookmarkDefinition(std::uint16_t heading, std::uint16_t definition, const wchar_t* profile);
  HResult EnableBookmarkDefinition(std::uint16_t heading, std::uint16_t definition, std::int32_t enable,
                                   const wchar_t* profile);
  HResult GetBookmarkDefinition(std::uint16_t heading, std::uint16_t definition, BookmarkDefinition* values,
                                const wchar_t* profile);
  HResult GetBookmarkHeaderCount(std::uint16_t* count, const wchar_t* profile);
  HResult GetBookmarkDefinitionCount(std::uint16_t heading, std::uint16_t* count, const wchar_t* profile);

  HResult GetPDFFileName(std::int32_t printStarted, std::wstring* fileName);

  bool initialized() const { return !printer_.name.empty(); }
  const PrinterIdentity& printer() const { return printer_; }
  const std::wstring& currentProfile() const { return current_; }
  // Binds to a printer without asking the spooler (a printer the caller knows).
  HResult Bind(const std::wstring& printerName, const PrinterInfo& info);

 private:
  PrinterStore Store() const { return PrinterStore(ports_, printer_); }
  std::wstring ProfileOrCurrent(const wchar_t* profile) const;
  HResult AddNewProfile(const wchar_t* name, bool isPublic);
  HResult ReadCustomForms(const std::wstring& profile, std::vector<CustomForm>* forms, bool forChange);
  HResult WriteCustomForms(const std::wstring& profile, const std::vector<CustomForm>& forms);
  HResult LoadForBookmarks(const wchar_t* profile, bool forChange, Profile* record, OptionPlace* place);

  StorePorts ports_;
  PrinterIdentity printer_;
  std::wstring current_;
  std::optional<std::wstring> savedDefault_;
  std::optional<std::vector<std::wstring>> profileNames_;
  std::size_t profilePos_ = 0;
  std::optional<std::vector<CustomForm>> forms_;
  std::size_t formPos_ = 0;
};

}  // namespace orv::pdf
