// The anthology shipped in data/: 190 catalogue lines in the author table's order, 190 entries
// that decode as GBK and name their poet, CR LF line breaks throughout.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "anthology/model/author_table.h"
#include "anthology/model/entry_files.h"
#include "app/model/line_file_forms.h"
#include "platform/model/gbk_text.h"
#include "platform/model/program_path.h"

using namespace veyrin;

namespace {

std::filesystem::path dataDir() { return std::filesystem::path(VEYRIN_SOURCE_DIR) / "data"; }

// Every byte is either ASCII other than a lone CR or LF, or a valid GBK pair; CR only before LF.
::testing::AssertionResult isCleanGbkWithCrLf(const std::string& bytes) {
    for (size_t i = 0; i < bytes.size(); ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\r') {
            if (i + 1 >= bytes.size() || bytes[i + 1] != '\n') return ::testing::AssertionFailure() << "lone CR at " << i;
            ++i;
        } else if (b == '\n') {
            return ::testing::AssertionFailure() << "lone LF at " << i;
        } else if (b >= 0x80) {
            if (!gbk::isLeadByte(b) || i + 1 >= bytes.size())
                return ::testing::AssertionFailure() << "bad lead byte at " << i;
            auto t = static_cast<unsigned char>(bytes[i + 1]);
            if (t < 0x40 || t == 0x7F || t == 0xFF) return ::testing::AssertionFailure() << "bad trail byte at " << i;
            ++i;
        }
    }
    if (gbk::toUtf8(bytes).find("\xEF\xBF\xBD") != std::string::npos)
        return ::testing::AssertionFailure() << "bytes without a GBK character";
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(BundledAnthology, CatalogueHas190LinesInTheAuthorTablesOrder) {
    std::string bytes = readWholeFile(dataDir(), kCatalogueFilePath);
    EXPECT_TRUE(isCleanGbkWithCrLf(bytes));
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    std::vector<std::string> items = parseListForm(bytes);
    ASSERT_EQ(items.size(), 190u);
    for (int i = 0; i < kAuthorCount; ++i) {
        EXPECT_NE(items[static_cast<size_t>(i)].find(authorName(i)), std::string::npos) << "line " << i + 1;
    }
}

TEST(BundledAnthology, EveryEntryDecodesAndNamesItsPoet) {
    for (int i = 0; i < kAuthorCount; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i + 1));
        std::string bytes = readWholeFile(dataDir(), entryFilePath(i));
        EXPECT_TRUE(isCleanGbkWithCrLf(bytes));
        EXPECT_EQ(bytes.rfind(authorName(i) + "\r\n", 0), 0u) << "first line is the poet's name";
        EXPECT_GT(bytes.size(), 100u);
    }
}

TEST(BundledAnthology, WorkingFilesAreInTheFormsTheProgramWrites) {
    std::string welcome = readWholeFile(dataDir(), kViewFilePath);
    EXPECT_TRUE(isCleanGbkWithCrLf(welcome));
    ASSERT_FALSE(welcome.empty());
    EXPECT_NE(welcome.back(), '\n');
    EXPECT_EQ(readWholeFile(dataDir(), kFirstNoteFilePath), "");
    EXPECT_EQ(readWholeFile(dataDir(), kSecondNoteFilePath), "");
}
