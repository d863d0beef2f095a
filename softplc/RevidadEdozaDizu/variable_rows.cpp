#include "variable_rows.h"

namespace orv::softplc {

int TagTypeOfDataType(int dataType) {
  switch (dataType) {
    case 1: return 0;
    case 2: case 3: case 6: case 7: case 8: case 9: case 10: case 12: case 13: case 14: return 1;
    case 4: case 11: return 2;
    case 5: return 3;
    default: return -1;
  }
}

ExportTag TagOfVariable(const ExportVariable& variable) {
  ExportTag tag;
  if (variable.dimensions > 1) return tag;
  int type = TagTypeOfDataType(variable.dataType);
  if (type < 0) return tag;
  tag.skip = false;
  tag.typeCode = type;
  tag.arraySize = variable.dataType == 5 ? 0 : variable.length;
  return tag;
}

void AppendRows(const ExportVariable& variable, std::vector<WorksheetRow>& rows) {
  if (TagTypeOfDataType(variable.dataType) < 0 || variable.dimensions > 1) return;
  if (variable.dimensions == 0 || variable.dataType == 5) {
    rows.push_back({variable.name, variable.name});
    return;
  }
  for (int element = 1; element <= variable.length; ++element) {
    std::wstring name = variable.name + L"[" + std::to_wstring(element) + L"]";
    rows.push_back({name, name});
  }
}

std::wstring StatusText(int status) {
  static const wchar_t* const kTexts[] = {L"unloaded", L"faulted", L"stopped", L"running", L"no ZIZ"};
  if (status < 0 || status > 4) return std::wstring();
  return kTexts[status];
}

}  // namespace orv::softplc
