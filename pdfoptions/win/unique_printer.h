// RAII owner of a spooler printer handle.
#pragma once
#include <windows.h>
#include <winspool.h>

#include "win/unique_resource.h"

namespace orv::pdf::win {

struct PrinterHandleTraits {
  static HANDLE Invalid() noexcept { return nullptr; }
  static bool IsValid(HANDLE h) noexcept { return h != nullptr; }
  static void Close(HANDLE h) noexcept { ::ClosePrinter(h); }
};
using UniquePrinter = orv::win::UniqueResource<HANDLE, PrinterHandleTraits>;

}  // namespace orv::pdf::win
