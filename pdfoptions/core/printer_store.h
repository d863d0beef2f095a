// The option store of one folvaPDF printer: registry keys of the current user,
// the printer's public profile file, the profile list and single option calls.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "profile_record.h"
#include "store_ports.h"

namespace orv::pdf {

constexpr std::size_t kMaxProfiles = 100;
constexpr std::size_t kMaxPublicProfiles = 50;
constexpr std::size_t kMaxRegistryProfiles = 50;
constexpr std::size_t kTextBuffer = 2048;       // characters read for a text from the file
constexpr std::size_t kEncodedBuffer = 128;     // characters read for an encoded value from the file
constexpr std::size_t kSectionNamesBuffer = 12750;
inline constexpr const wchar_t* kDefaultProfile = L"Default Profile";

struct PrinterIdentity {
  std::wstring name;
  bool network = false;
  wchar_t portChar = 0;
};

struct ProfileList {
  std::vector<Profile> profiles;
  std::wstring active;
  std::int32_t askSave = 1;

  Profile* Find(const std::wstring& name);
  std::size_t Count(bool publicOnes) const;  // live profiles of that kind
  std::size_t Live() const;
};

// Where an option call goes.
struct OptionPlace {
  bool isPublic = false;
  bool allowChange = false;
};

class PrinterStore {
 public:
  PrinterStore(StorePorts ports, PrinterIdentity printer) : ports_(ports), printer_(std::move(printer)) {}

  // The printer name without a leading "\\" and with "," for every other "\".
  static std::wstring PrinterKeyName(const std::wstring& printerName);
  std::wstring PrinterKey() const;
  std::wstring ProfilesKey() const;
  std::wstring ProfileKey(const std::wstring& profile) const;
  // Folder and file name of the public profile file; kFail when it cannot be formed.
  HResult PublicFilePath(std::wstring* path);

  HResult LoadList(ProfileList* list, bool withValues);
  HResult SaveList(const ProfileList& list);

  // A whole profile (for forms and bookmark definitions) and its write-back.
  HResult LoadProfile(const std::wstring& name, Profile* profile, OptionPlace* place);
  HResult SaveProfile(const Profile& profile, const OptionPlace& place);

  HResult Place(const std::wstring& profile, OptionPlace* place);
  // Single option calls; `value` of a number is its decimal text, of encoded text
  // the plain text. `fileBuffer` 0 reads a text from the file whole. An
  // `unrestricted` set skips the network-printer rule and writes a public profile's
  // value into the public profile file.
  HResult SetOption(const std::wstring& profile, const std::wstring& name, OptionType type, const std::wstring& value,
                    bool unrestricted = false);
  HResult GetOption(const std::wstring& profile, const std::wstring& name, OptionType type,
                    std::optional<std::wstring>* value, std::size_t fileBuffer = kTextBuffer);

  // Values of the printer key itself and of the profiles key.
  HResult GetPrinterText(const std::wstring& name, std::wstring* value);
  std::optional<std::wstring> ActiveProfileName();

  const PrinterIdentity& printer() const { return printer_; }

 private:
  StorePorts ports_;
  PrinterIdentity printer_;
};

}  // namespace orv::pdf
