// What a variable of the RevidadEdozaDizu data export becomes: a tag of the walk and
// the rows of the driver worksheet (one-dimensional arrays are expanded per element).
#pragma once
#include <string>
#include <vector>

#include "linkbase/driver_files.h"

namespace orv::softplc {

struct ExportVariable {
  std::wstring name;
  int dataType = 0;    // 1 to 14
  int dimensions = 0;
  int length = 0;
};

// Tag type code of a data type, or -1 when the type gives no tag.
int TagTypeOfDataType(int dataType);

struct ExportTag {
  bool skip = true;
  int arraySize = 0;
  int typeCode = 0;
};

ExportTag TagOfVariable(const ExportVariable& variable);

// Appends the worksheet rows of one variable.
void AppendRows(const ExportVariable& variable, std::vector<WorksheetRow>& rows);

// Status text of a status code of the running project; empty for an unknown code.
std::wstring StatusText(int status);

}  // namespace orv::softplc
