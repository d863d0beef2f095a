// pdf: sets up folvaPDF printers in the spooler and shows or changes their option store.
#include <cstdio>
#include <string>

#include "command_table.h"
#include "console.h"
#include "pdf_options_core.h"
#include "printer_setup.h"
#include "win_store_ports.h"

namespace orvctl {
namespace {
using orv::pdf::HResult;

std::wstring Hex(HResult hr) {
  wchar_t text[16];
  std::swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(static_cast<std::uint32_t>(hr)));
  return text;
}

int Failed(const std::wstring& what, HResult hr) {
  Err(L"orvctl: " + what + L" failed: " + Hex(hr));
  return 1;
}

int PrinterAdd(const Args& in) {
  Args args = in;
  orv::pdf::win::PrinterSetup setup;
  setup.driverName = TakeOption(args, L"--driver", setup.driverName);
  setup.portName = TakeOption(args, L"--port", setup.portName);
  if (args.size() != 1) return UsageError(L"pdf printer-add NAME [--driver DRIVER] [--port PORT]");
  setup.printerName = args[0];
  std::wstring error;
  if (!orv::pdf::win::InstallPrinter(setup, &error)) {
    Err(L"orvctl: " + error);
    return 1;
  }
  Out(L"printer \"" + setup.printerName + L"\" (driver \"" + setup.driverName + L"\", port " + setup.portName +
      L") is ready");
  return 0;
}

int PrinterRemove(const Args& args) {
  if (args.size() != 1) return UsageError(L"pdf printer-remove NAME");
  std::wstring error;
  if (!orv::pdf::win::RemovePrinter(args[0], &error)) {
    Err(L"orvctl: " + error);
    return 1;
  }
  Out(L"printer \"" + args[0] + L"\" removed");
  return 0;
}

// Runs `action` on a core bound to the named printer.
template <typename Action>
int WithPrinter(const std::wstring& printer, Action action) {
  orv::pdf::win::WinPorts ports;
  orv::pdf::PdfOptionsCore core(ports.ports());
  HResult hr = core.Initialize(printer.c_str());
  if (hr != orv::pdf::kOk) return Failed(L"binding to \"" + printer + L"\"", hr);
  return action(core);
}

int Profiles(const Args& args) {
  if (args.size() != 1) return UsageError(L"pdf profiles PRINTER");
  return WithPrinter(args[0], [](orv::pdf::PdfOptionsCore& core) {
    std::wstring active, name;
    core.GetActiveProfile(&active);
    for (HResult hr = core.GetFirstProfile(&name); hr == orv::pdf::kOk; hr = core.GetNextProfile(&name)) {
      Out((name == active ? L"* " : L"  ") + name);
    }
    return 0;
  });
}

int OptionGet(const Args& in) {
  Args args = in;
  std::wstring profile = TakeOption(args, L"--profile");
  if (args.size() != 2) return UsageError(L"pdf option-get PRINTER OPTION [--profile NAME]");
  return WithPrinter(args[0], [&](orv::pdf::PdfOptionsCore& core) {
    std::wstring value;
    HResult hr = core.GetOptionString(args[1].c_str(), &value, profile.c_str());
    if (hr != orv::pdf::kOk) return Failed(L"reading \"" + args[1] + L"\"", hr);
    Out(value);
    return 0;
  });
}

int OptionSet(const Args& in) {
  Args args = in;
  std::wstring profile = TakeOption(args, L"--profile");
  if (args.size() != 3) return UsageError(L"pdf option-set PRINTER OPTION VALUE [--profile NAME]");
  return WithPrinter(args[0], [&](orv::pdf::PdfOptionsCore& core) {
    HResult hr = core.SetOptionString(args[1].c_str(), args[2].c_str(), profile.c_str());
    if (hr != orv::pdf::kOk) return Failed(L"writing \"" + args[1] + L"\"", hr);
    return 0;
  });
}

const Command kRows[] = {
    {L"pdf printer-add", L"NAME [--driver D] [--port P]", L"create a folvaPDF printer in the spooler", &PrinterAdd},
    {L"pdf printer-remove", L"NAME", L"delete a printer from the spooler", &PrinterRemove},
    {L"pdf profiles", L"PRINTER", L"list a folvaPDF printer's profiles (* = active)", &Profiles},
    {L"pdf option-get", L"PRINTER OPTION [--profile P]", L"print an option's text", &OptionGet},
    {L"pdf option-set", L"PRINTER OPTION VALUE [--profile P]", L"store an option's text", &OptionSet},
};
}  // namespace

extern const CommandTable kPdfCommands = MakeTable(L"PDF printer options", kRows);

}  // namespace orvctl
