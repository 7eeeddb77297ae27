#include "platform/model/program_path.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/model/app_error.h"
#include "platform/model/gbk_text.h"

namespace fs = std::filesystem;
using namespace veyrin;

namespace {

struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() / ("veyrin-path-" + std::to_string(::getpid()) + "-" +
                                            std::to_string(reinterpret_cast<uintptr_t>(this)));
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
};

void writeRaw(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

}  // namespace

TEST(GbkText, RoundTripsChineseAndReplacesWhatHasNoForm) {
    std::string gbk = gbk::fromUtf8("唐诗鉴赏");
    EXPECT_EQ(gbk, "\xCC\xC6\xCA\xAB\xBC\xF8\xC9\xCD");
    EXPECT_EQ(gbk::toUtf8(gbk), "唐诗鉴赏");
    EXPECT_EQ(gbk::fromUtf8("a😀b"), "a?b");
    EXPECT_EQ(gbk::toUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
}

TEST(ProgramPath, BothSpellingsOfTheDataDirectoryReachOneDirectory) {
    TempDir dir;
    fs::create_directories(dir.path / "Data" / "唐诗鉴赏");
    writeRaw(dir.path / "Data" / "唐诗鉴赏" / "01.txt", "x");
    std::string upper = "Data\\" + gbk::fromUtf8("唐诗鉴赏") + "\\01.txt";
    std::string lower = "data\\" + gbk::fromUtf8("唐诗鉴赏") + "\\01.TXT";
    EXPECT_EQ(resolveProgramPath(dir.path, upper), dir.path / "Data" / "唐诗鉴赏" / "01.txt");
    EXPECT_EQ(resolveProgramPath(dir.path, lower), dir.path / "Data" / "唐诗鉴赏" / "01.txt");
    EXPECT_EQ(readWholeFile(dir.path, lower), "x");
}

TEST(ProgramPath, MissingFileNamesTheProgramSpelling) {
    TempDir dir;
    try {
        readWholeFile(dir.path, "Tem\\00.dat");
        FAIL() << "expected an error";
    } catch (const AppError& e) {
        EXPECT_STREQ(e.what(), "Cannot open file Tem\\00.dat");
    }
}

TEST(ProgramPath, AtomicWriteReplacesTheFileAndRefusesReadOnlyOrMissingDirectories) {
    TempDir dir;
    fs::create_directories(dir.path / "Tem");
    writeFileAtomically(dir.path, "tem\\01.dat", "new");
    EXPECT_EQ(readWholeFile(dir.path, "Tem\\01.dat"), "new");
    EXPECT_FALSE(fs::exists(dir.path / "Tem" / "01.dat.veyrin-tmp"));

    EXPECT_THROW(writeFileAtomically(dir.path, "Nowhere\\x.dat", "x"), AppError);

    fs::permissions(dir.path / "Tem" / "01.dat", fs::perms::owner_read | fs::perms::group_read);
    EXPECT_THROW(writeFileAtomically(dir.path, "Tem\\01.dat", "other"), AppError);
    EXPECT_EQ(readWholeFile(dir.path, "Tem\\01.dat"), "new");
}

TEST(AppErrorText, FullStopRule) {
    EXPECT_EQ(withFullStop(""), "");
    EXPECT_EQ(withFullStop("Cannot open file a"), "Cannot open file a.");
    EXPECT_EQ(withFullStop("Done."), "Done.");
    EXPECT_EQ(withFullStop("ends with -"), "ends with -");
    EXPECT_EQ(withFullStop("ends with /"), "ends with /.");
}
