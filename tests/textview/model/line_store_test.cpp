#include "textview/model/line_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "textview/model/file_writer.h"

namespace veyrin {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> linesOf(const TSynEditStringList& list) {
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
    return lines;
}

std::string saved(const TSynEditStringList& list) {
    std::ostringstream out;
    list.SaveToStream(out);
    return out.str();
}

// Records every change notice as text, so tests can compare the whole sequence.
struct HookLog : ISynLinesObserver {
    std::vector<std::string> calls;
    TSynEditStringList* list = nullptr;
    ~HookLog() override {
        if (list) list->removeObserver(this);
    }
    void attach(TSynEditStringList& observed) {
        list = &observed;
        observed.addObserver(this);
    }
    void linesChanging() override { calls.push_back("before"); }
    void linesChangeEnded() override { calls.push_back("after"); }
    void linesChanged(const TSynLinesChange& change) override {
        if (change.reset) calls.push_back("cleared");
        else if (change.removed == change.added) record("replaced", change.first, change.added);
        else if (change.added > 0) record("inserted", change.first, change.added);
        else record("deleted", change.first, change.removed);
    }
    void record(const char* what, int index, int count) {
        calls.push_back(std::string(what) + " " + std::to_string(index) + "," + std::to_string(count));
    }
};

TEST(LineStoreLoad, SplitsEveryBreakStyleAndDetectsTheFormat) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
        TSynEditFileFormat format;
    };
    const std::vector<Case> cases = {
        {"A\r\nB\r\n", {"A", "B"}, sffDos},
        {"A\nB\nC", {"A", "B", "C"}, sffUnix},
        {"A\rB\r", {"A", "B"}, sffMac},
        {"no break", {"no break"}, sffDos},
        {"A\r\nB\nC", {"A", "B", "C"}, sffDos},
        {"A\n\rB", {"A", "", "B"}, sffDos},
        {"A\r\n\r\n\r\n\r\n  ", {"A"}, sffDos},
        {"A\n \t\nB\n\n", {"A", " \t", "B"}, sffUnix},
    };
    for (const Case& c : cases) {
        TSynEditStringList list;
        list.SetFileFormat(sffMac);
        list.LoadFromBytes(c.bytes);
        EXPECT_EQ(linesOf(list), c.lines) << c.bytes;
        EXPECT_EQ(list.FileFormat(), c.format) << c.bytes;
    }
}

TEST(LineStoreLoad, StreamsAreReadFromTheirStart) {
    std::istringstream in("one\rtwo\r");
    in.seekg(4);
    TSynEditStringList list;
    list.LoadFromStream(in);
    EXPECT_EQ(linesOf(list), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(list.FileFormat(), sffMac);
}

TEST(LineStoreLoad, EmptyDataGivesNoLinesAndSavesEmpty) {
    TSynEditStringList list;
    list.Add("old");
    list.LoadFromBytes("");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(saved(list), "");
}

TEST(LineStoreSave, WritesTheFormatsBreakWithoutAFinalOne) {
    TSynEditStringList list;
    list.LoadFromBytes("A\r\nB\r\n");
    EXPECT_EQ(saved(list), "A\r\nB");
    list.LoadFromBytes("A\nB\n");
    EXPECT_EQ(saved(list), "A\nB");
    list.LoadFromBytes("A\rB");
    EXPECT_EQ(saved(list), "A\rB");
    list.LoadFromBytes("A\nB\r\nC");  // mixed breaks come back all CR LF
    EXPECT_EQ(saved(list), "A\r\nB\r\nC");
}

TEST(LineStoreSave, LinesLongerThanTheWriterBufferSurvive) {
    std::string longLine(TSynEditFileWriter::kBufferSize * 2 + 5, 'x');
    TSynEditStringList list;
    list.Add("short");
    list.Add(longLine);
    list.Add("end");
    EXPECT_EQ(saved(list), "short\r\n" + longLine + "\r\nend");
}

TEST(LineStoreLoad, DoubleByteCharactersAndZeroBytesRoundTrip) {
    std::string bytes("\xCC\xC6\xCA\xAB\x00z\r\n\x81\x40\xFE\xFE", 12);
    TSynEditStringList list;
    list.LoadFromBytes(bytes);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(0).size(), 6u);
    EXPECT_EQ(saved(list), bytes);
}

class LineStoreFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("veyrin_line_store_" + std::to_string(::getpid()));
        fs::create_directories(dir_ / "Tem");
    }
    void TearDown() override { fs::remove_all(dir_); }
    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    std::string read(const std::string& name) {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    fs::path dir_;
};

TEST_F(LineStoreFiles, LoadThenSaveKeepsTheFilesBreakStyle) {
    write("Tem/00.dat", "one\ntwo\n\n");
    TSynEditStringList list;
    list.SetFileFormat(sffMac);
    list.LoadFromFile(dir_, "tem\\00.dat");
    list.SaveToFile(dir_, "Tem\\00.dat");
    EXPECT_EQ(read("Tem/00.dat"), "one\ntwo");
}

TEST_F(LineStoreFiles, AFailedLoadLeavesListAndFormatAsTheyWere) {
    TSynEditStringList list;
    list.LoadFromBytes("a\rb");
    HookLog log;
    log.attach(list);
    try {
        list.LoadFromFile(dir_, "Tem\\missing.dat");
        FAIL() << "no error";
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), "Cannot open file Tem\\missing.dat");
    }
    EXPECT_EQ(linesOf(list), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(list.FileFormat(), sffMac);
    EXPECT_TRUE(log.calls.empty());
}

TEST_F(LineStoreFiles, SavingIntoAMissingDirectoryRaisesAndWritesNothing) {
    TSynEditStringList list;
    list.Add("x");
    EXPECT_THROW(list.SaveToFile(dir_, "Nowhere\\00.dat"), AppError);
    EXPECT_FALSE(fs::exists(dir_ / "Nowhere"));
}

TEST(LineStoreEdit, PutOnePastTheEndAddsAndElsewhereReplaces) {
    TSynEditStringList list;
    HookLog log;
    log.attach(list);
    list.Put(0, "a");
    list.Put(1, "b");
    list.Put(0, "A");
    EXPECT_EQ(linesOf(list), (std::vector<std::string>{"A", "b"}));
    EXPECT_EQ(log.calls, (std::vector<std::string>{"before", "inserted 0,1", "after", "before", "inserted 1,1",
                                                   "after", "before", "replaced 0,1", "after"}));
}

TEST(LineStoreEdit, BadIndexesRaiseWithTheIndexAndReadsNeverRaise) {
    TSynEditStringList list;
    list.Add("a");
    auto expectInvalid = [](auto&& call, const std::string& message) {
        try {
            call();
            ADD_FAILURE() << "no error for " << message;
        } catch (const ESynEditStringList& e) {
            EXPECT_EQ(e.what(), message);
        }
    };
    expectInvalid([&] { list.Put(3, "x"); }, "Invalid stringlist index 3");
    expectInvalid([&] { list.Insert(2, "x"); }, "Invalid stringlist index 2");
    expectInvalid([&] { list.Delete(1); }, "Invalid stringlist index 1");
    expectInvalid([&] { list.Delete(-1); }, "Invalid stringlist index -1");
    expectInvalid([&] { list.Exchange(0, 5); }, "Invalid stringlist index 5");
    expectInvalid([&] { list.PutObject(1, nullptr); }, "Invalid stringlist index 1");
    EXPECT_EQ(list.Get(7), "");
    EXPECT_EQ(list.GetObject(-1), nullptr);
    EXPECT_EQ(list.ExpandedStringLength(9), 0);
    EXPECT_EQ(list.Count(), 1);
}

TEST(LineStoreEdit, CapacityFollowsTheGrowthRuleAndCannotDropBelowCount) {
    TSynEditStringList list;
    std::vector<int> capacities;
    for (int i = 0; i < 100; ++i) {
        list.Add("x");
        if (capacities.empty() || capacities.back() != list.Capacity()) capacities.push_back(list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{16, 32, 48, 64, 80, 100}));
    try {
        list.SetCapacity(99);
        FAIL();
    } catch (const EStringListError& e) {
        EXPECT_STREQ(e.what(), "Stringlist capacity cannot be smaller than count");
    }
}

TEST(LineStoreHooks, UpdatesNestAndClearOfAnEmptyListIsSilent) {
    TSynEditStringList list;
    HookLog log;
    log.attach(list);
    list.Clear();
    EXPECT_TRUE(log.calls.empty());
    list.BeginUpdate();
    list.Add("a");
    list.Add("b");
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(log.calls, (std::vector<std::string>{"before", "inserted 0,1", "inserted 1,1", "deleted 0,1", "after"}));
}

TEST(LineStoreHooks, LoadClearsThenInsertsLineByLineThenTrims) {
    TSynEditStringList list;
    list.Add("old");
    HookLog log;
    log.attach(list);
    list.LoadFromBytes("a\nb\n");
    EXPECT_EQ(log.calls, (std::vector<std::string>{"before", "cleared", "inserted 0,1", "inserted 1,1",
                                                   "inserted 2,1", "deleted 2,1", "after"}));
}

TEST(LineStoreHooks, AddStringsAndAssignInsertInOneStep) {
    TSynEditStringList source;
    source.LoadFromBytes("x\ry\rz");
    TSynEditStringList list;
    list.Add("old");
    HookLog log;
    log.attach(list);
    list.Assign(source);
    EXPECT_EQ(linesOf(list), linesOf(source));
    EXPECT_EQ(list.FileFormat(), sffDos);
    EXPECT_EQ(list.Capacity(), 16);
    EXPECT_EQ(log.calls, (std::vector<std::string>{"before", "cleared", "inserted 0,3", "after"}));
}

TEST(LineStoreShare, AssignedLinesOutliveTheSourceAndStayIndependent) {
    TSynEditStringList list;
    {
        TSynEditStringList source;
        source.LoadFromBytes("first\nsecond");
        source.Put(1, "changed");
        list.Assign(source);
        source.Put(0, "gone");
    }
    EXPECT_EQ(linesOf(list), (std::vector<std::string>{"first", "changed"}));
}

TEST(LineStoreText, SetTextKeepsTrailingBlanksAndFormatAndGetTextHasNoFinalBreak) {
    TSynEditStringList list;
    list.SetFileFormat(sffUnix);
    list.SetTextStr("a\r\nb\n\n");
    EXPECT_EQ(linesOf(list), (std::vector<std::string>{"a", "b", "", ""}));
    EXPECT_EQ(list.FileFormat(), sffUnix);
    EXPECT_EQ(list.GetTextStr(), "a\r\nb\r\n\r\n");
}

TEST(LineStoreTabs, ExpansionUsesStopsAndIsCachedUntilTheLineChanges) {
    TSynEditStringList list;
    list.Add("ab\tc");
    list.Add("\t\t");
    list.Add("plain text");
    EXPECT_EQ(list.ExpandedString(0), std::string("ab") + std::string(6, '\t') + "c");
    EXPECT_EQ(list.ExpandedStringLength(1), 16);
    EXPECT_EQ(list.LengthOfLongestLine(), 16);
    list.Put(1, "x");
    EXPECT_EQ(list.LengthOfLongestLine(), 10);
    list.SetTabWidth(3);
    EXPECT_EQ(list.ExpandedString(0), "ab c");
    list.SetTabWidth(1);
    EXPECT_EQ(list.ExpandedString(0), "ab c");
}

TEST(LineStoreTabs, ExchangeKeepsTheLongestLineCacheOnTheSameText) {
    TSynEditStringList list;
    list.Add("short");
    list.Add("the longest line");
    EXPECT_EQ(list.LengthOfLongestLine(), 16);
    list.Exchange(0, 1);
    EXPECT_EQ(list.Get(0), "the longest line");
    EXPECT_EQ(list.LengthOfLongestLine(), 16);
    list.Put(1, std::string(20, 'y'));
    EXPECT_EQ(list.LengthOfLongestLine(), 20);
}

TEST(TabColumns, MapBetweenByteAndExpandedColumns) {
    const std::string line = "a\tb";
    EXPECT_EQ(byteToExpandedColumn(line, 2, 8), 2);
    EXPECT_EQ(byteToExpandedColumn(line, 3, 8), 9);
    EXPECT_EQ(byteToExpandedColumn(line, 5, 8), 11);  // past the end counts on as bytes
    EXPECT_EQ(expandedToByteColumn(line, 5, 8), 2);   // inside the tab's fillers
    EXPECT_EQ(expandedToByteColumn(line, 9, 8), 3);
    EXPECT_EQ(expandedToByteColumn(line, 12, 8), 6);
}

}  // namespace
}  // namespace veyrin
