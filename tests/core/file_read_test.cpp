#include "common/file_read.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

using vignetta::files::ReadFailure;
using vignetta::files::readRegularFile;
namespace fs = std::filesystem;

namespace {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder
{
public:
    TempFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "vignetta-read-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path &path() const { return path_; }
    fs::path write(const std::string &name, const std::string &bytes) const
    {
        const fs::path file = path_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

private:
    fs::path path_;
};

} // namespace

TEST(FileRead, ReadsRegularFilesAndLinksToThemWithinTheCap)
{
    TempFolder dir;
    const fs::path file = dir.write("table.json", "[1,2,3]");
    const auto read = readRegularFile(file, 7);
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.bytes, "[1,2,3]");

    fs::create_symlink(file, dir.path() / "link.json");
    EXPECT_EQ(readRegularFile(dir.path() / "link.json", 100).bytes, "[1,2,3]");

    const auto empty = readRegularFile(dir.write("empty.json", ""), 100);
    EXPECT_TRUE(empty.ok);
    EXPECT_EQ(empty.bytes, "");
}

TEST(FileRead, RefusesWhatIsNoRegularFileWithoutBlocking)
{
    TempFolder dir;
    // Nobody ever writes to this pipe: opening it for reading the usual way would wait forever.
    const fs::path pipe = dir.path() / "Classes.json";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto fromPipe = readRegularFile(pipe, 1 << 20);
    EXPECT_FALSE(fromPipe.ok);
    EXPECT_EQ(fromPipe.failure, ReadFailure::NotRegular);
    EXPECT_EQ(fromPipe.error, "is not a regular file");

    // A device that never ends, reached through a link with an innocent name.
    fs::create_symlink("/dev/zero", dir.path() / "plugins.js");
    const auto fromDevice = readRegularFile(dir.path() / "plugins.js", 1 << 20);
    EXPECT_FALSE(fromDevice.ok);
    EXPECT_EQ(fromDevice.failure, ReadFailure::NotRegular);
    EXPECT_TRUE(fromDevice.bytes.empty());

    EXPECT_EQ(readRegularFile(dir.path(), 1 << 20).failure, ReadFailure::NotRegular);
    EXPECT_EQ(readRegularFile(dir.path() / "missing.json", 1 << 20).failure, ReadFailure::Missing);
    fs::create_symlink(dir.path() / "nowhere", dir.path() / "dangling.json");
    EXPECT_EQ(readRegularFile(dir.path() / "dangling.json", 1 << 20).failure,
              ReadFailure::Missing);
    EXPECT_EQ(readRegularFile(fs::path(), 1 << 20).failure, ReadFailure::Missing);
}

TEST(FileRead, RefusesAFileAboveTheCapBeforeReadingIt)
{
    TempFolder dir;
    const fs::path file = dir.write("big.json", std::string(4097, 'x'));
    const auto read = readRegularFile(file, 4096);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.failure, ReadFailure::TooLarge);
    EXPECT_EQ(read.error, "is larger than 4 KB");
    EXPECT_TRUE(read.bytes.empty());
    EXPECT_TRUE(readRegularFile(file, 4097).ok);
}

TEST(FileRead, UnreadableFilesSaySo)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TempFolder dir;
    const fs::path file = dir.write("secret.json", "{}");
    fs::permissions(file, fs::perms::none);
    const auto read = readRegularFile(file, 100);
    EXPECT_EQ(read.failure, ReadFailure::Unreadable);
    EXPECT_NE(read.error.find("cannot be read"), std::string::npos);
}
