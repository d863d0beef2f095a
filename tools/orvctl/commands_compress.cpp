// compress, expand and detect: the compressed script file containers from the command line.
#include <cwctype>
#include <vector>

#include "CCompressedFile.h"
#include "CLzwFile.h"
#include "command_table.h"
#include "console.h"
#include "win32_file_system.h"

namespace orvctl {
namespace {

using orv::compressed::FileAccess;
using orv::compressed::FileErrorCause;
using orv::compressed::FileException;
using orv::compressed::PlatformFileSystem;
using Bytes = std::vector<unsigned char>;

std::wstring Describe(const FileException& error) {
  switch (error.cause) {
    case FileErrorCause::fileNotFound: return L"file not found";
    case FileErrorCause::badPath: return L"bad path";
    case FileErrorCause::tooManyOpenFiles: return L"too many open files";
    case FileErrorCause::accessDenied: return L"access denied";
    case FileErrorCause::invalidFile: return L"not a file of this format";
    case FileErrorCause::sharingViolation: return L"in use by another program";
    case FileErrorCause::lockViolation: return L"locked";
    case FileErrorCause::diskFull: return L"disk full";
    case FileErrorCause::hardIO: return L"input/output error";
    default: return L"error " + std::to_wstring(error.osError);
  }
}

int FileError(const std::wstring& path, const FileException& error) {
  Err(L"orvctl: cannot use \"" + path + L"\": " + Describe(error));
  return 1;
}

bool ReadWholeFile(const std::wstring& path, Bytes& bytes, FileException& error) {
  auto file = PlatformFileSystem().Open(path, FileAccess::Read, error);
  if (!file) return false;
  unsigned char buffer[65536];
  for (;;) {
    const std::size_t n = file->Read(buffer, sizeof buffer, error);
    if (n == SIZE_MAX) return false;
    if (n == 0) break;
    bytes.insert(bytes.end(), buffer, buffer + n);
  }
  return file->Close(error);
}

bool WriteWholeFile(const std::wstring& path, const Bytes& bytes, FileException& error) {
  auto file = PlatformFileSystem().Open(path, FileAccess::CreateWrite, error);
  return file && file->Write(bytes.data(), bytes.size(), error) && file->Close(error);
}

int Compress(const Args& args) {
  if (args.size() != 2) return UsageError(L"usage: orvctl compress IN OUT");
  Bytes input;
  FileException error;
  if (!ReadWholeFile(args[0], input, error)) return FileError(args[0], error);
  CLzwFile output(PlatformFileSystem());
  if (!output.Open(args[1], CCompressedFile::modeCreate | CCompressedFile::modeWrite, &error))
    return FileError(args[1], error);
  const bool written = input.empty() || output.Write(input.data(), input.size());
  const FileException writeError = output.GetWriteError();
  if (!output.Close() || !written) return FileError(args[1], written ? output.GetWriteError() : writeError);
  Out(L"compressed " + std::to_wstring(input.size()) + L" bytes into " +
      std::to_wstring(output.GetCompressedLength() + 16) + L" bytes");
  return 0;
}

bool ParseEntry(const std::wstring& text, std::uint32_t& entry) {
  if (text.empty() || text.size() > 9) return false;
  entry = 0;
  for (wchar_t c : text) {
    if (!std::iswdigit(c)) return false;
    entry = entry * 10 + static_cast<std::uint32_t>(c - L'0');
  }
  return true;
}

int Expand(const Args& arguments) {
  Args args = arguments;
  std::uint32_t entry = 0;
  if (!ParseEntry(TakeOption(args, L"--entry", L"0"), entry)) return UsageError(L"--entry takes an entry number");
  if (args.size() != 2) return UsageError(L"usage: orvctl expand IN OUT [--entry N]");
  auto input = CreateCompressedFile(PlatformFileSystem(), args[0], CCompressedFile::formatUncompressed);
  FileException error;
  if (!input->Open(args[0], CCompressedFile::modeRead, &error)) return FileError(args[0], error);
  if (entry != 0 && !input->SelectEntry(entry)) {
    Err(L"orvctl: \"" + args[0] + L"\" has no entry " + std::to_wstring(entry));
    return 1;
  }
  Bytes output;
  unsigned char buffer[CCompressedFile::kBufferSize];
  for (std::size_t n; (n = input->Read(buffer, sizeof buffer)) > 0;) output.insert(output.end(), buffer, buffer + n);
  const std::uint64_t stated = input->GetUncompressedLength();
  input->Close();
  if (output.size() != stated) {
    // A damaged file: nothing is written rather than a part that looks whole.
    Err(L"orvctl: \"" + args[0] + L"\": the data end after " + std::to_wstring(output.size()) + L" of " +
        std::to_wstring(stated) + L" bytes");
    return 1;
  }
  if (!WriteWholeFile(args[1], output, error)) return FileError(args[1], error);
  return 0;
}

int Detect(const Args& args) {
  if (args.size() != 1) return UsageError(L"usage: orvctl detect FILE");
  Out(std::to_wstring(CCompressedFile::Detect(PlatformFileSystem(), args[0])));
  return 0;
}

const Command kRows[] = {
    {L"compress", L"IN OUT", L"write IN as an LZW container at OUT", &Compress},
    {L"expand", L"IN OUT [--entry N]", L"write the bytes of entry N (0) of IN, in any format, to OUT", &Expand},
    {L"detect", L"FILE", L"print the format index: 0 Huffman, 1 LZSS, 2 LZW, -1 uncompressed", &Detect},
};

}  // namespace

extern const CommandTable kCompressCommands = MakeTable(L"Compressed script files", kRows);

}  // namespace orvctl
