// One record of a Think & Do map file and what the link makes of it: the tag name, its
// type and the driver address of the point.
#pragma once
#include <string>

namespace orv::softplc {

// A map line is read in pieces of at most this many characters.
constexpr unsigned kMapReadChars = 99;

struct MapRecord {
  std::wstring pointName;     // field 1: the point's name in Think & Do
  int kindCode = 0;           // field 3, low 8 bits, modulo 90
  unsigned pointNumber = 0;   // field 5 as unsigned 16 bits; 0 without field 5 or kind
};

// Fields are separated by runs of commas; a record starting with a comma has an empty
// point name. The line end of the record, when present, is not part of any field.
MapRecord ParseMapRecord(const std::wstring& line);

struct MapTag {
  bool known = false;        // false: the kind gives no tag
  std::wstring tagName;      // "Input12"
  int typeCode = 0;          // 0 Boolean, 1 Integer, 2 Real, 3 String
  std::wstring address;      // "1:12"
};

MapTag TagOfRecord(const MapRecord& record);

}  // namespace orv::softplc
