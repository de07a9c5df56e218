#include "util/files.h"

#include <fstream>
#include <stdexcept>

#include <unistd.h>

#include <gtest/gtest.h>

namespace tarvo {
namespace {

namespace fs = std::filesystem;

class FilesTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("tarvo_util_files_" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "src");
        write("src/a.txt", "A");
        write("src/b.txt", "B");
        write("src/c.dat", "C");
        fs::create_directories(root_ / "src/folder.txt");
    }
    void TearDown() override { fs::remove_all(root_); }

    void write(const std::string& name, const std::string& content) {
        std::ofstream(root_ / name, std::ios::binary) << content;
    }
    fs::path path(const std::string& name) const { return root_ / name; }

    fs::path root_;
};

TEST_F(FilesTest, ReadsTheWholeFile) {
    const std::string bytes("a\0b\r\n\xE8", 6);
    write("bin", bytes);
    EXPECT_EQ(readFileToString(path("bin")), bytes);
    EXPECT_THROW(readFileToString(path("missing")), std::runtime_error);
}

TEST_F(FilesTest, CopiesMatchingFilesOnly) {
    EXPECT_TRUE(copyFiles(path("src/*.txt"), path("dst")));
    EXPECT_EQ(readFileToString(path("dst/a.txt")), "A");
    EXPECT_EQ(readFileToString(path("dst/b.txt")), "B");
    EXPECT_FALSE(fs::exists(path("dst/c.dat")));
    EXPECT_FALSE(fs::exists(path("dst/folder.txt")));

    write("src/a.txt", "A2");
    EXPECT_TRUE(copyFiles(path("src/?.txt"), path("dst")));
    EXPECT_EQ(readFileToString(path("dst/a.txt")), "A2");

    EXPECT_TRUE(copyFiles(path("src/c.dat"), path("dst/renamed.dat")));
    EXPECT_EQ(readFileToString(path("dst/renamed.dat")), "C");

    EXPECT_FALSE(copyFiles(path("src/*.xyz"), path("dst")));
    EXPECT_FALSE(copyFiles(path("src/missing.dat"), path("dst")));
}

TEST_F(FilesTest, DeletesMatchingFilesOnly) {
    EXPECT_TRUE(deleteFiles(path("src/*.txt")));
    EXPECT_FALSE(fs::exists(path("src/a.txt")));
    EXPECT_FALSE(fs::exists(path("src/b.txt")));
    EXPECT_TRUE(fs::exists(path("src/c.dat")));
    EXPECT_TRUE(fs::is_directory(path("src/folder.txt")));

    EXPECT_TRUE(deleteFiles(path("src/*.txt")));  // nothing left to delete
    EXPECT_TRUE(deleteFiles(path("src/c.dat")));
    EXPECT_FALSE(fs::exists(path("src/c.dat")));
    EXPECT_FALSE(deleteFiles(path("src/c.dat")));
}

TEST_F(FilesTest, RefusesPatternsWithoutAFolder) {
    const fs::path previous = fs::current_path();
    fs::current_path(path("src"));
    EXPECT_FALSE(deleteFiles("*.txt"));
    EXPECT_FALSE(deleteFiles("./*.txt"));
    fs::current_path(previous);
    EXPECT_TRUE(fs::exists(path("src/a.txt")));
    EXPECT_FALSE(deleteFiles("/*.nonexistent-tarvo"));
}

TEST(StripTrailingBackslash, OneSeparator) {
    EXPECT_EQ(stripTrailingBackslash("C:\\KELMA\\"), "C:\\KELMA");
    EXPECT_EQ(stripTrailingBackslash("/home/x/kelma/"), "/home/x/kelma");
    EXPECT_EQ(stripTrailingBackslash("a\\\\"), "a\\");
    EXPECT_EQ(stripTrailingBackslash("abc"), "abc");
    EXPECT_EQ(stripTrailingBackslash(""), "");
}

}  // namespace
}  // namespace tarvo
