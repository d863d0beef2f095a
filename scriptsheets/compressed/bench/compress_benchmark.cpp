// Throughput of the three codecs on an 8 MB script-like corpus, beside the classic
// `compress` program on the same file. Prints figures; checks nothing but correctness.
//
//   compressed_benchmark [size-in-MB]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "CCompressedFile.h"
#include "memory_file_system.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

// VBScript-like text: procedures, tag expressions, calls, comments, indentation.
Bytes MakeCorpus(std::size_t size) {
  static const char* const names[] = {"Level", "Pump1", "Valve_A", "Temp", "Pressure", "Alarm", "Count", "Recipe",
                                      "Speed", "Motor2", "Setpoint", "Batch", "Tank3", "Flow", "Status"};
  static const char* const calls[] = {"MsgBox", "Trim", "CStr", "InStr", "Mid", "Replace", "$Open", "$Close"};
  std::mt19937 random(2024);
  std::string text;
  int procedure = 0;
  while (text.size() < size) {
    text += "Sub Proc" + std::to_string(procedure++) + "()\r\n";
    const int lines = 3 + static_cast<int>(random() % 12);
    for (int i = 0; i < lines; ++i) {
      const std::string name = names[random() % 15];
      switch (random() % 6) {
        case 0: text += "  Dim " + name + std::to_string(random() % 10) + "\r\n"; break;
        case 1: text += "  If $" + name + " > " + std::to_string(random() % 1000) + " Then\r\n    $" +
                        names[random() % 15] + " = 1\r\n  End If\r\n"; break;
        case 2: text += "  " + std::string(calls[random() % 8]) + " \"" + name + " changed\"\r\n"; break;
        case 3: text += "  ' " + name + " is checked every cycle\r\n"; break;
        case 4: text += "  For i = 0 To " + std::to_string(random() % 100) + "\r\n    $" + name + "[i] = 0\r\n  Next\r\n"; break;
        default: text += "  $" + name + " = $" + names[random() % 15] + " + " + std::to_string(random() % 50) + "\r\n";
      }
    }
    text += "End Sub\r\n\r\n";
  }
  text.resize(size);
  return Bytes(text.begin(), text.end());
}

double Seconds(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double MegabytesPerSecond(std::size_t bytes, double seconds) { return seconds > 0 ? bytes / 1e6 / seconds : 0; }

struct Figures {
  double compressSeconds = 1e9;
  double expandSeconds = 1e9;
  std::size_t compressedSize = 0;
  bool ok = true;
};

Figures MeasureCodec(int format, const Bytes& corpus) {
  Figures best;
  for (int round = 0; round < 3; ++round) {
    orv::compressed::MemoryFileSystem fs;
    auto writer = CreateCompressedFile(fs, L"", format);
    auto start = Clock::now();
    writer->Open(L"c.bin", CCompressedFile::modeCreate | CCompressedFile::modeWrite);
    writer->Write(corpus.data(), corpus.size());
    writer->Close();
    best.compressSeconds = std::min(best.compressSeconds, Seconds(start));
    best.compressedSize = fs.GetFile(L"c.bin").size();

    Bytes out(corpus.size());
    auto reader = CreateCompressedFile(fs, L"c.bin", -1);
    start = Clock::now();
    reader->Open(L"c.bin", CCompressedFile::modeRead);
    std::size_t total = 0;
    for (std::size_t n; total < out.size() && (n = reader->Read(out.data() + total, 65536)) > 0;) total += n;
    reader->Close();
    best.expandSeconds = std::min(best.expandSeconds, Seconds(start));
    best.ok = best.ok && total == corpus.size() && out == corpus;
  }
  return best;
}

double TimeCommand(const std::string& command) {
  double best = 1e9;
  for (int round = 0; round < 3; ++round) {
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0) return -1;
    best = std::min(best, Seconds(start));
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t megabytes = argc > 1 ? static_cast<std::size_t>(std::atoi(argv[1])) : 8;
  const Bytes corpus = MakeCorpus(megabytes * 1024 * 1024);
  const auto folder = std::filesystem::temp_directory_path() / ("orv_compress_bench_" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const auto corpusPath = folder / "corpus.gis";
  std::ofstream(corpusPath, std::ios::binary).write(reinterpret_cast<const char*>(corpus.data()),
                                                    static_cast<std::streamsize>(corpus.size()));
  std::printf("corpus: %zu bytes of script text (%s)\n\n", corpus.size(), corpusPath.c_str());
  std::printf("%-22s %12s %8s %16s %14s\n", "codec", "size", "ratio", "compress MB/s", "expand MB/s");

  Figures lzw;
  for (int format : {CCompressedFile::formatHuffman, CCompressedFile::formatLzss, CCompressedFile::formatLzw}) {
    const Figures f = MeasureCodec(format, corpus);
    const char* name = format == 0 ? "adaptive Huffman" : format == 1 ? "LZSS" : "LZW";
    std::printf("%-22s %12zu %7.1f%% %16.1f %14.1f%s\n", name, f.compressedSize,
                100.0 * f.compressedSize / corpus.size(), MegabytesPerSecond(corpus.size(), f.compressSeconds),
                MegabytesPerSecond(corpus.size(), f.expandSeconds), f.ok ? "" : "  ROUND TRIP FAILED");
    if (format == CCompressedFile::formatLzw) lzw = f;
  }

  const std::string quoted = "'" + corpusPath.string() + "'";
  const std::string packed = "'" + (folder / "corpus.Z").string() + "'";
  const double compressSeconds = TimeCommand("compress -c " + quoted + " > " + packed);
  const double expandSeconds = compressSeconds < 0 ? -1 : TimeCommand("compress -dc " + packed + " > /dev/null");
  if (compressSeconds < 0 || expandSeconds < 0) {
    std::printf("\n`compress` (package ncompress) did not run; install it for the comparison.\n");
  } else {
    const auto size = static_cast<std::size_t>(std::filesystem::file_size(folder / "corpus.Z"));
    const double compressRate = MegabytesPerSecond(corpus.size(), compressSeconds);
    const double expandRate = MegabytesPerSecond(corpus.size(), expandSeconds);
    std::printf("%-22s %12zu %7.1f%% %16.1f %14.1f\n", "compress (ncompress)", size, 100.0 * size / corpus.size(),
                compressRate, expandRate);
    std::printf("\nLZW against compress: size %.2fx, compress speed %.2fx, expand speed %.2fx\n",
                static_cast<double>(lzw.compressedSize) / size,
                MegabytesPerSecond(corpus.size(), lzw.compressSeconds) / compressRate,
                MegabytesPerSecond(corpus.size(), lzw.expandSeconds) / expandRate);
    std::printf("(compress times include starting the program and writing its file; 3 runs, best kept)\n");
  }
  std::filesystem::remove_all(folder);
  return lzw.ok ? 0 : 1;
}
