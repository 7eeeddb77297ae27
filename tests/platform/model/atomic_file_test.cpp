#include "platform/model/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace fs = std::filesystem;
using namespace veyrin;
using veyrin::test::readBytes;
using veyrin::test::TempDir;
using veyrin::test::writeBytes;

namespace {

class AtomicFileTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path target = dir.path() / "00.dat";
    fs::path temporary = dir.path() / "00.dat.veyrin-tmp";

    void SetUp() override { writeBytes(target, "old"); }
    struct stat statOf(const fs::path& p) const {
        struct stat st {};
        EXPECT_EQ(::stat(p.c_str(), &st), 0) << p;
        return st;
    }
};

constexpr fs::perms kReadAndExecuteOnly = fs::perms::owner_read | fs::perms::owner_exec |
                                          fs::perms::group_read | fs::perms::group_exec;

}  // namespace

TEST_F(AtomicFileTest, SingleLinkFileIsReplacedByRenameKeepingModeAndOwner) {
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    // Giving the file away only works for an administrator; anyone else checks that it stays theirs.
    const uid_t otherUser = 4242;
    const bool givenAway = ::chown(target.c_str(), otherUser, otherUser) == 0;
    const struct stat before = statOf(target);

    ASSERT_TRUE(replaceFileContents(target, "new"));
    const struct stat after = statOf(target);
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_NE(after.st_ino, before.st_ino) << "expected a fresh file renamed into place";
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(after.st_uid, givenAway ? otherUser : ::geteuid());
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_FALSE(fs::exists(temporary));
}

TEST_F(AtomicFileTest, HardLinkedFileIsWrittenInPlaceSoEveryNameSeesTheNewContent) {
    const fs::path otherName = dir.path() / "copy.dat";
    fs::create_hard_link(target, otherName);
    ASSERT_TRUE(replaceFileContents(target, "new content"));
    EXPECT_EQ(readBytes(otherName), "new content");
    EXPECT_EQ(fs::hard_link_count(target), 2u);
    EXPECT_FALSE(fs::exists(temporary));
}

TEST_F(AtomicFileTest, DirectoryThatTakesNoNewFileStillLetsAWritableFileBeSaved) {
    const ino_t inode = statOf(target).st_ino;
    fs::permissions(dir.path(), kReadAndExecuteOnly);

    EXPECT_TRUE(replaceFileContents(target, "saved in place"));
    EXPECT_EQ(readBytes(target), "saved in place");
    EXPECT_EQ(statOf(target).st_ino, inode);
    EXPECT_FALSE(fs::exists(temporary));
    // With no file to write in place, nothing can be created there.
    EXPECT_FALSE(replaceFileContents(dir.path() / "new.dat", "x"));
    EXPECT_FALSE(fs::exists(dir.path() / "new.dat"));

    fs::permissions(dir.path(), fs::perms::owner_all);
}

TEST_F(AtomicFileTest, TemporaryNameThatCannotBeOpenedFallsBackToWritingInPlace) {
    fs::create_directory(temporary);
    EXPECT_TRUE(replaceFileContents(target, "new"));
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_TRUE(fs::is_directory(temporary));
}

TEST_F(AtomicFileTest, FileNobodyMayWriteIsRefusedInEitherPath) {
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(replaceFileContents(target, "new"));
    fs::permissions(dir.path(), kReadAndExecuteOnly);
    EXPECT_FALSE(replaceFileContents(target, "new"));
    fs::permissions(dir.path(), fs::perms::owner_all);
    EXPECT_EQ(readBytes(target), "old");
}

// A run killed while it wrote leaves its temporary file; the next write must not be stopped or
// bent by it, whatever its mode or whether it is a link to somewhere else.
TEST_F(AtomicFileTest, StaleTemporaryFileIsReplacedNotFollowedOrTrippedOver) {
    writeBytes(temporary, "half writ");
    fs::permissions(temporary, fs::perms::owner_read);
    EXPECT_TRUE(replaceFileContents(target, "new"));
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_FALSE(fs::exists(temporary));

    const fs::path elsewhere = dir.path() / "elsewhere";
    writeBytes(elsewhere, "untouched");
    fs::create_symlink(elsewhere, temporary);
    EXPECT_TRUE(replaceFileContents(target, "newer"));
    EXPECT_EQ(readBytes(target), "newer");
    EXPECT_EQ(readBytes(elsewhere), "untouched");
    EXPECT_FALSE(fs::is_symlink(target));
}
