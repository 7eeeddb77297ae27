#include "app/model/stored_file_record.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "app/model/line_file_forms.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;
using namespace veyrin;
using veyrin::test::TempDir;
using veyrin::test::writeBytes;

namespace {

std::string binaryBytes(std::size_t size) {
    std::mt19937 random(15);
    std::string bytes(size, '\0');
    for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
    bytes[size / 3] = '\0';  // at least one, whatever the generator gives
    return bytes;
}

}  // namespace

TEST(StoredFileRecord, FileLoadedWholeIsAlwaysWritten) {
    StoredFileRecord record;
    record.markLoaded(true);
    record.rememberStartContent("ignored");
    EXPECT_FALSE(record.comparesWithStart());
    EXPECT_TRUE(record.mayWrite(true, ""));
    EXPECT_TRUE(record.mayWrite(false, ""));
}

TEST(StoredFileRecord, FileNotLoadedOrLoadedInPartIsWrittenOnlyWhenChangedOrGone) {
    StoredFileRecord notLoaded;
    StoredFileRecord cut;
    cut.markLoaded(false);
    for (StoredFileRecord* record : {&notLoaded, &cut}) {
        ASSERT_TRUE(record->comparesWithStart());
        record->rememberStartContent("at start");
        EXPECT_FALSE(record->mayWrite(true, "at start"));
        EXPECT_TRUE(record->mayWrite(true, "edited"));
        EXPECT_TRUE(record->mayWrite(false, "at start"));
    }
}

// A binary file as catalogue or note loads up to its first 0x00; writing that back would shrink a
// 65 536-byte file to a few hundred bytes although the reader changed nothing.
TEST(StoredFileRecord, BinaryCatalogueAndNoteLoadAsCutAndTextFilesAsWhole) {
    TempDir dir;
    fs::create_directories(dir.path() / "Tem");
    const std::string binary = binaryBytes(65536);
    writeBytes(dir.path() / "Tem" / "list.txt", binary);
    writeBytes(dir.path() / "Tem" / "01.dat", binary);
    writeBytes(dir.path() / "Tem" / "02.dat", "plain\nnote\r");

    auto catalogue = loadListFile(dir.path(), "Tem\\list.txt");
    EXPECT_FALSE(catalogue.complete);
    EXPECT_LT(formatListForm(catalogue.content).size(), binary.size());
    EXPECT_FALSE(loadBoxFile(dir.path(), "Tem\\01.dat").complete);
    auto note = loadBoxFile(dir.path(), "Tem\\02.dat");
    EXPECT_TRUE(note.complete);
    EXPECT_EQ(note.content, "plain\r\nnote\r\n");

    StoredFileRecord record;
    record.markLoaded(catalogue.complete);
    record.rememberStartContent(formatListForm(catalogue.content));
    EXPECT_FALSE(record.mayWrite(true, formatListForm(catalogue.content)));
    catalogue.content.push_back("added by the reader");
    EXPECT_TRUE(record.mayWrite(true, formatListForm(catalogue.content)));
}
