// The running project's tables and value store on a region in ordinary memory.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "fake_catalog.h"
#include "runtime_tables.h"
#include "runtime_text.h"
#include "value_store.h"

namespace orv::runtime {
namespace {

using testing::FakeCatalog;

std::unique_ptr<Region> NewRegion() {
  auto region = std::make_unique<Region>();  // value-initialised: all zero
  RuntimeTables::Prepare(*region);
  return region;
}

ProcessStamp Process(std::uint32_t id) { return ProcessStamp{id, 0, 1000 + id}; }

// ---- texts ----

TEST(RuntimeText, CallerBuffersAreCutAndTerminated) {
  struct Case {
    int size;
    const wchar_t* expected;
    bool fits;
  };
  const Case cases[] = {{1, L"", false}, {2, L"a", false}, {4, L"abc", false}, {5, L"abcd", true}, {9, L"abcd", true}};
  for (const Case& c : cases) {
    wchar_t buffer[10];
    std::fill(std::begin(buffer), std::end(buffer), L'#');
    EXPECT_EQ(CopyToCaller(buffer, c.size, L"abcd"), c.fits) << c.size;
    EXPECT_EQ(std::wstring(buffer), c.expected) << c.size;
    EXPECT_EQ(buffer[c.size], L'#') << "wrote past the buffer of size " << c.size;
  }
  wchar_t untouched = L'#';
  EXPECT_FALSE(CopyToCaller(&untouched, 0, L"abcd"));
  EXPECT_EQ(untouched, L'#');
  EXPECT_FALSE(CopyToCaller(nullptr, 5, L"abcd"));
}

TEST(RuntimeText, NumbersParseOrAreRefused) {
  struct Case {
    const wchar_t* text;
    bool integerOk;
    std::int64_t integer;
    bool realOk;
    double real;
  };
  const Case cases[] = {
      {L"42", true, 42, true, 42.0},        {L"  -7 ", true, -7, true, -7.0},   {L"+3", true, 3, true, 3.0},
      {L"2.5", true, 3, true, 2.5},         {L"1e3", true, 1000, true, 1000.0}, {L"", false, 0, false, 0},
      {L"abc", false, 0, false, 0},         {L"1,5", false, 0, false, 0},       {L"12abc", false, 0, false, 0},
      {L"nan", false, 0, false, 0},         {L"1e999", false, 0, false, 0},     {L"-", false, 0, false, 0},
  };
  for (const Case& c : cases) {
    std::int64_t i = -99;
    double r = -99;
    EXPECT_EQ(ParseInteger(c.text, i), c.integerOk) << c.text;
    if (c.integerOk) {
      EXPECT_EQ(i, c.integer) << c.text;
    }
    EXPECT_EQ(ParseReal(c.text, r), c.realOk) << c.text;
    if (c.realOk) {
      EXPECT_DOUBLE_EQ(r, c.real) << c.text;
    }
  }
  std::int64_t b = -1;
  EXPECT_TRUE(ParseBoolean(L"TRUE", b));
  EXPECT_EQ(b, 1);
  EXPECT_TRUE(ParseBoolean(L"false", b));
  EXPECT_EQ(b, 0);
  EXPECT_TRUE(ParseBoolean(L"5", b));
  EXPECT_EQ(b, 1);
  EXPECT_FALSE(ParseBoolean(L"yes", b));
  EXPECT_EQ(FormatReal(1234.5), L"1234.5");
  EXPECT_EQ(FormatReal(0.1), L"0.1");
  EXPECT_EQ(FormatInteger(-12), L"-12");
}

TEST(RuntimeText, StoredTextsKeepCharactersOutsideTheBasicPlane) {
  char16_t stored[8];
  std::wstring text = L"a\U0001F600b";
  StoreText(stored, 8, text);
  EXPECT_EQ(LoadText(stored, 8), text);
  StoreText(stored, 3, text);  // no room for the pair: cut before it
  EXPECT_EQ(LoadText(stored, 3), L"a");
  EXPECT_TRUE(SameKey(u"Vantor\0", 8, L"VANTOR"));
  EXPECT_FALSE(SameKey(u"Vantor\0", 8, L"VANTO"));
}

// ---- running modules ----

TEST(RunningModules, RegisterFindEnumerateAndEnd) {
  auto region = NewRegion();
  RuntimeTables tables(*region, nullptr);
  EXPECT_TRUE(tables.RegisterModule(L"VANTOR", 0x100, 11, Process(1), 0, 0));
  EXPECT_TRUE(tables.RegisterModule(L"TARNDDE", 0x200, 12, Process(2), 2, 0));
  ASSERT_NE(tables.FindModule(L"vantor"), nullptr);
  EXPECT_EQ(tables.FindModule(L"Vantor")->window, 0x100u);
  EXPECT_EQ(tables.FindModule(L"SARVEL"), nullptr);
  EXPECT_EQ(tables.FindModule(L""), nullptr);

  // The same key again takes the new window and keeps one entry.
  EXPECT_TRUE(tables.RegisterModule(L"vantor", 0x300, 13, Process(1), 0, 0));
  EXPECT_EQ(tables.FindModule(L"VANTOR")->window, 0x300u);
  std::set<std::wstring> keys;
  for (int at = tables.NextModule(0); at >= 0; at = tables.NextModule(at + 1))
    keys.insert(LoadText(tables.ModuleAt(at).key, kKeyChars));
  EXPECT_EQ(keys, (std::set<std::wstring>{L"vantor", L"TARNDDE"}));

  tables.EndModuleThread(12);
  EXPECT_EQ(tables.FindModule(L"TARNDDE"), nullptr);
  EXPECT_FALSE(tables.RegisterModule(L"", 1, 1, Process(1), 0, 0));
  EXPECT_FALSE(tables.RegisterModule(std::wstring(kKeyChars, L'K'), 1, 1, Process(1), 0, 0));
}

TEST(RunningModules, FullTableIsRefusedAndEndedProcessesMakeRoom) {
  auto region = NewRegion();
  std::set<std::uint32_t> ended;
  RuntimeTables tables(*region, [&](const ProcessStamp& p) { return ended.count(p.processId) == 0; });
  for (int i = 0; i < kMaxModules; ++i)
    ASSERT_TRUE(tables.RegisterModule(L"M" + std::to_wstring(i), 1, 100 + i, Process(100 + i), 0, 0));
  EXPECT_FALSE(tables.RegisterModule(L"ONEMORE", 1, 1, Process(1), 0, 0));
  ended.insert(105);
  EXPECT_EQ(tables.FindModule(L"M5"), nullptr) << "a module whose process ended is not running";
  EXPECT_TRUE(tables.RegisterModule(L"ONEMORE", 1, 1, Process(1), 0, 0));
}

// ---- tasks and queues ----

QueuedMessage Message(int task, std::uint32_t code, std::int64_t lParam, std::uint64_t window = 0x900) {
  QueuedMessage m{};
  m.taskId = task;
  m.code = code;
  m.lParam = lParam;
  m.extra = 999;
  m.window = window;
  return m;
}

TEST(Tasks, QueueIsFirstInFirstOutAndBounded) {
  auto region = NewRegion();
  RuntimeTables tables(*region, nullptr);
  int id = tables.RegisterTask(L"TarDde", 0x900, 5, Process(1));
  ASSERT_GE(id, 0);
  EXPECT_EQ(tables.FindTask(L"tardde"), id);
  EXPECT_EQ(tables.FindTask(L"brevo"), -1);
  for (int i = 0; i < kQueueCapacity; ++i) ASSERT_TRUE(tables.Enqueue(id, Message(id, 0x401, i)));
  EXPECT_FALSE(tables.Enqueue(id, Message(id, 0x401, -1))) << "full queue";
  EXPECT_EQ(region->tasks[id].lost, 1u);
  QueuedMessage out{};
  for (int i = 0; i < kQueueCapacity; ++i) {
    ASSERT_TRUE(tables.TakeMessage(id, out));
    EXPECT_EQ(out.lParam, i);
  }
  EXPECT_FALSE(tables.TakeMessage(id, out));
  tables.Enqueue(id, Message(id, 1, 1));
  tables.CleanQueue(id);
  EXPECT_FALSE(tables.TakeMessage(id, out));
  EXPECT_FALSE(tables.TakeMessage(-1, out));
  EXPECT_FALSE(tables.TakeMessage(kMaxTasks, out));
  EXPECT_FALSE(tables.Enqueue(kMaxTasks + 5, Message(0, 1, 1)));
}

TEST(Tasks, FullTaskTableIsRefused) {
  auto region = NewRegion();
  RuntimeTables tables(*region, nullptr);
  for (int i = 0; i < kMaxTasks; ++i) ASSERT_EQ(tables.RegisterTask(L"T" + std::to_wstring(i), 1, 1, Process(1)), i);
  EXPECT_LT(tables.RegisterTask(L"extra", 1, 1, Process(1)), 0);
  tables.EndTask(7);
  EXPECT_EQ(tables.RegisterTask(L"extra", 1, 1, Process(1)), 7);
  EXPECT_LT(tables.RegisterTask(L"", 1, 1, Process(1)), 0);
}

TEST(Subscriptions, ChangesReachEachWatcherOnceAndStopWhenUnsubscribed) {
  auto region = NewRegion();
  RuntimeTables tables(*region, nullptr);
  int a = tables.RegisterTask(L"A", 0xA00, 1, Process(1));
  int b = tables.RegisterTask(L"B", 0xB00, 2, Process(2));
  ASSERT_TRUE(tables.Subscribe(a, 3, 0, Message(a, 0x401, 111, 0xA00)));
  ASSERT_TRUE(tables.Subscribe(a, 3, 0, Message(a, 0x401, 222, 0xA00)));
  ASSERT_TRUE(tables.Subscribe(b, 3, kEveryElement, Message(b, 0x401, 333, 0xB00)));
  ASSERT_TRUE(tables.Subscribe(b, 4, 0, Message(b, 0x401, 444, 0xB00)));
  ASSERT_TRUE(tables.Subscribe(a, 3, 0, Message(a, 0x401, 111, 0xA00))) << "the same watch twice is one";
  EXPECT_EQ(tables.SubscriptionCount(), 4);

  auto windows = tables.DeliverChange(3, 0);
  EXPECT_EQ(std::set<std::uint64_t>(windows.begin(), windows.end()), (std::set<std::uint64_t>{0xA00, 0xB00}));
  EXPECT_EQ(windows.size(), 2u);
  QueuedMessage out{};
  std::set<std::int64_t> gotA;
  while (tables.TakeMessage(a, out)) gotA.insert(out.lParam);
  EXPECT_EQ(gotA, (std::set<std::int64_t>{111, 222}));
  ASSERT_TRUE(tables.TakeMessage(b, out));
  EXPECT_EQ(out.lParam, 333);
  EXPECT_EQ(out.extra, 999);
  EXPECT_FALSE(tables.TakeMessage(b, out));

  tables.DeliverChange(3, 5);  // another element: only the watcher of every element
  EXPECT_FALSE(tables.TakeMessage(a, out));
  EXPECT_TRUE(tables.TakeMessage(b, out));

  EXPECT_TRUE(tables.Unsubscribe(a, 3, 0, 111));
  EXPECT_FALSE(tables.Unsubscribe(a, 3, 0, 111));
  tables.EndTask(b);
  EXPECT_EQ(tables.SubscriptionCount(), 1);
  EXPECT_EQ(tables.DeliverChange(3, 0).size(), 1u);
  EXPECT_FALSE(tables.Subscribe(b, 3, 0, Message(b, 1, 1))) << "ended task";
}

TEST(Subscriptions, FullTableIsRefused) {
  auto region = NewRegion();
  RuntimeTables tables(*region, nullptr);
  int a = tables.RegisterTask(L"A", 1, 1, Process(1));
  for (int i = 0; i < kMaxSubscriptions; ++i) ASSERT_TRUE(tables.Subscribe(a, i, 0, Message(a, 1, i)));
  EXPECT_FALSE(tables.Subscribe(a, kMaxSubscriptions, 0, Message(a, 1, 0)));
  EXPECT_TRUE(tables.Unsubscribe(a, 10, 0, 10));
  EXPECT_TRUE(tables.Subscribe(a, kMaxSubscriptions, 0, Message(a, 1, 0)));
}

// ---- values ----

class Values : public ::testing::Test {
 protected:
  void SetUp() override {
    region_ = NewRegion();
    flag_ = catalog_.Add(L"Flag", kBoolean);
    count_ = catalog_.Add(L"Count", kInteger);
    level_ = catalog_.Add(L"Level", kReal);
    text_ = catalog_.Add(L"Text", kString);
    array_ = catalog_.Add(L"Arr", kInteger, 3);
    motor_ = catalog_.Add(L"Motor", kFirstClass, 0, {{1, kReal}, {2, kString}});
    pointer_ = catalog_.Add(L"Ptr", kString);
    loop_ = catalog_.Add(L"Loop", kString);
  }
  TagRefData Ref(int tag, int index = 0, int member = 0) {
    TagRefData r;
    r.tag = tag;
    r.index = index;
    r.member = member;
    return r;
  }
  std::wstring ReadText(const TagRefData& ref) {
    std::wstring text = L"<unread>";
    std::uint16_t quality = 0;
    return store().Read(ref, text, quality) ? text : L"<refused>";
  }
  ValueStore store() { return ValueStore(*region_, catalog_); }

  std::unique_ptr<Region> region_;
  FakeCatalog catalog_;
  int flag_ = 0, count_ = 0, level_ = 0, text_ = 0, array_ = 0, motor_ = 0, pointer_ = 0, loop_ = 0;
};

TEST_F(Values, EachTypeIsWrittenAndReadBack) {
  struct Case {
    int tag;
    const wchar_t* written;
    const wchar_t* read;
  };
  const Case cases[] = {{flag_, L"true", L"1"},  {flag_, L"0", L"0"},       {count_, L"-17", L"-17"},
                        {count_, L"2.6", L"3"},  {level_, L"1234.5", L"1234.5"}, {text_, L"hello, world", L"hello, world"},
                        {text_, L"", L""}};
  for (const Case& c : cases) {
    ValueStore s = store();
    EXPECT_NE(s.Write(Ref(c.tag), c.written, -1, 0), WriteResult::kRefused) << c.written;
    EXPECT_EQ(ReadText(Ref(c.tag)), c.read) << c.written;
  }
}

TEST_F(Values, NeverWrittenValuesReadEmptyWithGoodQuality) {
  const std::pair<int, const wchar_t*> cases[] = {{flag_, L"0"}, {count_, L"0"}, {level_, L"0"}, {text_, L""}};
  for (const auto& [tag, text] : cases) {
    std::wstring value;
    std::uint16_t quality = 0;
    ASSERT_TRUE(store().Read(Ref(tag), value, quality));
    EXPECT_EQ(value, text);
    EXPECT_EQ(quality, kQualityGood);
  }
}

TEST_F(Values, ChangesAreReportedOnlyWhenValueOrQualityDiffers) {
  ValueStore s = store();
  EXPECT_EQ(s.Write(Ref(count_), L"0", -1, 0), WriteResult::kUnchanged);
  EXPECT_EQ(s.Write(Ref(count_), L"5", -1, 0), WriteResult::kChanged);
  EXPECT_EQ(s.Write(Ref(count_), L"5", -1, 0), WriteResult::kUnchanged);
  EXPECT_EQ(s.Write(Ref(count_), L"5", 64, 0), WriteResult::kChanged);
  std::wstring text;
  std::uint16_t quality = 0;
  ASSERT_TRUE(s.Read(Ref(count_), text, quality));
  EXPECT_EQ(quality, 64);
  EXPECT_EQ(s.Write(Ref(text_), L"a", -1, 0), WriteResult::kChanged);
  EXPECT_EQ(s.Write(Ref(text_), L"a", -1, 0), WriteResult::kUnchanged);
  EXPECT_EQ(s.Write(Ref(text_), L"ab", -1, 0), WriteResult::kChanged);
  EXPECT_EQ(s.Write(Ref(text_), L"a", -1, 0), WriteResult::kChanged);
}

TEST_F(Values, BadInputIsRefusedAndLosesNothing) {
  ValueStore s = store();
  ASSERT_EQ(s.Write(Ref(count_), L"12", -1, 0), WriteResult::kChanged);
  EXPECT_EQ(s.Write(Ref(count_), L"twelve", -1, 0), WriteResult::kRefused);
  EXPECT_EQ(ReadText(Ref(count_)), L"12");
  EXPECT_EQ(s.Write(Ref(99), L"1", -1, 0), WriteResult::kRefused) << "unknown tag";
  EXPECT_EQ(ReadText(Ref(99)), L"<refused>");
  EXPECT_EQ(ReadText(Ref(0)), L"<refused>");
  EXPECT_EQ(ReadText(Ref(-1)), L"<refused>");
  EXPECT_EQ(ReadText(Ref(count_, 1)), L"<refused>") << "index on a scalar";
  EXPECT_EQ(ReadText(Ref(motor_)), L"<refused>") << "class tag without member";
  EXPECT_EQ(ReadText(Ref(motor_, 0, 7)), L"<refused>") << "no such member";
  EXPECT_EQ(s.Write(Ref(text_), std::wstring(400, L'x'), -1, 0), WriteResult::kChanged);
  EXPECT_EQ(ReadText(Ref(text_)), std::wstring(kStringChars - 1, L'x')) << "long texts are cut";
  TagRefData field = Ref(count_);
  field.field = 62;
  EXPECT_EQ(ReadText(field), L"<refused>");
}

TEST_F(Values, ArrayElementsMembersAndFieldsAreValuesOfTheirOwn) {
  ValueStore s = store();
  for (int i = 0; i <= 3; ++i) ASSERT_EQ(s.Write(Ref(array_, i), std::to_wstring(i * 10 + 1), -1, 0), WriteResult::kChanged);
  EXPECT_EQ(s.Write(Ref(array_, 4), L"1", -1, 0), WriteResult::kRefused);
  EXPECT_EQ(s.Write(Ref(array_, -1), L"1", -1, 0), WriteResult::kRefused);
  EXPECT_EQ(ReadText(Ref(array_, 2)), L"21");

  // The element chosen by another tag's value.
  TagRefData byTag = Ref(array_);
  byTag.indexTag = count_;
  s.Write(Ref(count_), L"3", -1, 0);
  EXPECT_EQ(ReadText(byTag), L"31");
  s.Write(Ref(count_), L"9", -1, 0);
  EXPECT_EQ(ReadText(byTag), L"<refused>") << "index tag outside the array";
  EXPECT_TRUE(s.Resolve(byTag).indexByTag);

  EXPECT_EQ(s.Write(Ref(motor_, 0, 1), L"2.5", -1, 0), WriteResult::kChanged);
  EXPECT_EQ(s.Write(Ref(motor_, 0, 2), L"on", -1, 0), WriteResult::kChanged);
  EXPECT_EQ(ReadText(Ref(motor_, 0, 1)), L"2.5");
  EXPECT_EQ(ReadText(Ref(motor_, 0, 2)), L"on");
  EXPECT_EQ(s.Resolve(Ref(motor_, 0, 1)).type, kReal);
  EXPECT_EQ(s.Resolve(Ref(motor_)).type, kFirstClass);

  TagRefData field = Ref(level_);
  field.field = 3;
  EXPECT_EQ(s.Write(field, L"metres", -1, 0), WriteResult::kChanged);
  EXPECT_EQ(ReadText(field), L"metres");
  EXPECT_EQ(ReadText(Ref(level_)), L"0");
}

TEST_F(Values, IndirectReferencesFollowThePointerAndStopAtLoops) {
  ValueStore s = store();
  TagRefData viaPointer = Ref(pointer_);
  viaPointer.flags = kRefIndirect;
  EXPECT_EQ(ReadText(viaPointer), L"<refused>") << "pointer names no tag";
  s.Write(Ref(pointer_), L"Level", -1, 0);
  s.Write(Ref(level_), L"7.25", -1, 0);
  EXPECT_EQ(ReadText(viaPointer), L"7.25");
  EXPECT_EQ(s.Write(viaPointer, L"8", -1, 0), WriteResult::kChanged);
  EXPECT_EQ(ReadText(Ref(level_)), L"8");
  EXPECT_EQ(ReadText(Ref(pointer_)), L"Level");

  // A pointer naming itself, followed indirectly, ends without an answer.
  s.Write(Ref(loop_), L"Loop", -1, 0);
  TagRefData viaLoop = Ref(loop_);
  viaLoop.flags = kRefIndirect;
  EXPECT_EQ(ReadText(viaLoop), L"Loop") << "one step: the pointer itself names a string tag";
}

TEST_F(Values, FullValueTableIsRefusedAndKeepsWhatItHolds) {
  FakeCatalog big;
  for (int t = 0; t < 300; ++t) big.Add(L"N" + std::to_wstring(t), kInteger, 255);
  ValueStore s(*region_, big);
  std::uint32_t accepted = 0;
  int refused = 0;
  for (int t = 1; t <= 300; ++t) {
    for (int i = 0; i <= 255; ++i) {
      TagRefData r;
      r.tag = t;
      r.index = i;
      WriteResult w = s.Write(r, std::to_wstring(t * 1000 + i + 1), -1, 0);
      if (w == WriteResult::kFull) ++refused;
      if (w == WriteResult::kChanged) ++accepted;
    }
  }
  EXPECT_EQ(accepted, kMaxValues);
  EXPECT_EQ(refused, 300 * 256 - static_cast<int>(kMaxValues));
  EXPECT_EQ(region_->header.valuesUsed, kMaxValues);
  TagRefData first;
  first.tag = 1;
  first.index = 7;
  std::wstring text;
  std::uint16_t quality = 0;
  ASSERT_TRUE(s.Read(first, text, quality));
  EXPECT_EQ(text, L"1008");
  EXPECT_EQ(s.Write(first, L"5", -1, 0), WriteResult::kChanged) << "values already held stay writable";
}

TEST_F(Values, FullStringTableIsRefused) {
  FakeCatalog big;
  int texts = big.Add(L"S", kString, 255);
  ValueStore s(*region_, big);
  int refused = 0;
  for (int field = 0; field <= 61; ++field) {
    for (int i = 0; i <= 255; ++i) {
      TagRefData r;
      r.tag = texts;
      r.index = i;
      r.field = field;
      WriteResult w = s.Write(r, L"x", -1, 0);
      if (w == WriteResult::kFull) ++refused;
    }
  }
  EXPECT_EQ(region_->header.stringsUsed, static_cast<std::uint32_t>(kMaxStrings));
  EXPECT_EQ(refused, 62 * 256 - kMaxStrings);
}

}  // namespace
}  // namespace orv::runtime
