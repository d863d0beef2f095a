// Every golden file: each script line coloured with stand-ins for the engine host and
// the host runtime library, compared letter by letter and for its re-spelled text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "CColorizer.h"
#include "fake_lookups.h"
#include "golden_file.h"
#include "text/utf16le.h"

namespace {

using orv::CColorizer;
using orv::ColourClass;
using orv::testkit::FakeHostNames;
using orv::testkit::FakeScriptNames;

std::string SourceFolder() {
  const char* dir = std::getenv("ORV_TEST_DATA");
  return dir != nullptr ? dir : ".";
}

std::wstring KeywordText() {
  std::ifstream in(SourceFolder() + "/keywords.txt", std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return orv::FromUtf8(bytes.str());
}

std::vector<std::string> GoldenFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(SourceFolder() + "/tests/golden")) {
    if (entry.path().extension() == ".golden") files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(ColorizerGolden, EveryLineOfEveryFile) {
  const std::wstring keywords = KeywordText();
  ASSERT_FALSE(keywords.empty());
  const auto files = GoldenFiles();
  ASSERT_GE(files.size(), 4u);
  std::size_t checked = 0;
  for (const auto& path : files) {
    const auto golden = orv::testkit::ReadGoldenFile(path);
    FakeScriptNames scripter(golden.builtins);
    FakeHostNames host;
    for (const auto& t : golden.tags) host.AddTag(t);
    for (const auto& f : golden.functions) host.AddFunction(f);
    for (const auto& c : golden.cases) {
      CColorizer colorizer;
      colorizer.SetScripter(&scripter);
      colorizer.SetHost(&host);
      colorizer.SetCapitalize(c.capitalise);
      if (CColorizer::HasKeywords(c.language)) colorizer.LoadKeywords(keywords);
      const int line = 12;
      scripter.SetErrorLine(c.errorLine ? line : -1);
      std::wstring text = c.text;
      std::vector<ColourClass> classes;
      colorizer.ColourLine(line, text, classes);
      SCOPED_TRACE(c.file + ":" + std::to_string(c.row) + ": " + orv::ToUtf8(c.text));
      EXPECT_EQ(orv::ToUtf8(orv::testkit::ClassLetters(classes)), orv::ToUtf8(c.expectedClasses));
      EXPECT_EQ(orv::ToUtf8(text), orv::ToUtf8(c.expectedText));
      ++checked;
    }
  }
  EXPECT_GE(checked, 40u);
}

}  // namespace
