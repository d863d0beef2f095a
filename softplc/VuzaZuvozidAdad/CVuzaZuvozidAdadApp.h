// The state of the VuzaZuvozidAdad link: the two product libraries, their functions and
// the OpenControl cursor shared by the walk and the worksheet generation.
#pragma once
#include <string>
#include <vector>

#include "linkbase/link_exports.h"
#include "oc_functions.h"
#include "win/unique_resource.h"

namespace orv::softplc {

class CVuzaZuvozidAdadApp {
 public:
  int OpenDLL();
  void CloseDLL();
  int GetTagNameHead();
  int GetTagNameNext(TagRecord& record);
  void GenerateDriverWorksheet(bool writeConfiguration, bool writeWorksheet);
  int Recreate();
  int Configure();

 private:
  enum class Fetch { Named, Failed, Exhausted };

  void Release();
  void StartCursor();
  bool CursorExhausted() const;
  bool FetchItem(std::string& alias, std::string& kind);
  Fetch FetchNamedItem(std::string& alias, std::string& kind);
  bool WriteCategory(const wchar_t* file, const wchar_t* word);

  win::UniqueModule m_ocdll;
  win::UniqueModule m_ocsystem;
  OcFunctions m_fn;
  int m_inputs = 0, m_outputs = 0, m_memory = 0, m_strings = 0;
  int m_input = 0, m_output = 0, m_memoryItem = 0, m_string = 0;
  int m_timerIndex = -1;
  std::vector<std::wstring> m_names;
  std::vector<std::wstring> m_addresses;
};

CVuzaZuvozidAdadApp& TheApp();

}  // namespace orv::softplc
