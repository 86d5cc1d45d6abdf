#include "common/file_write.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using vignetta::files::writeFileReplacing;
namespace fs = std::filesystem;

namespace {

class TempFolder
{
public:
    TempFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "vignetta-write-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path &path() const { return path_; }
    std::size_t entries() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(path_), {}));
    }

private:
    fs::path path_;
};

std::string contents(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Files may grow to `bytes` at most while it lives: writes past it fail (EFBIG), the way a
// full disk makes them fail, whoever runs the test.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }

private:
    rlimit old_{};
    void (*old_handler_)(int) = nullptr;
};

} // namespace

TEST(FileWrite, ReplacesTheWholeFileAndKeepsItsPermissions)
{
    TempFolder dir;
    const fs::path file = dir.path() / "out.png";
    ASSERT_TRUE(writeFileReplacing(file, "first"));
    EXPECT_EQ(contents(file), "first");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(writeFileReplacing(file, "second, longer"));
    EXPECT_EQ(contents(file), "second, longer");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(dir.entries(), 1u) << "no temporary file left behind";

    // Through a link, the file it points to is replaced and the link stays.
    fs::create_symlink(file, dir.path() / "link.png");
    ASSERT_TRUE(writeFileReplacing(dir.path() / "link.png", "third"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "link.png"));
    EXPECT_EQ(contents(file), "third");
}

TEST(FileWrite, AFailedWriteLeavesTheOldFile)
{
    TempFolder dir;
    const fs::path file = dir.path() / "frame.png";
    ASSERT_TRUE(writeFileReplacing(file, "the good picture"));
    {
        const FileSizeLimit limit(1024);
        const auto written = writeFileReplacing(file, std::string(4096, 'x'));
        EXPECT_FALSE(written.ok);
        EXPECT_NE(written.error.find("cannot be written"), std::string::npos) << written.error;
    }
    EXPECT_EQ(contents(file), "the good picture");
    EXPECT_EQ(dir.entries(), 1u) << "the partial temporary file is removed";

    EXPECT_FALSE(writeFileReplacing(dir.path() / "no-folder" / "x.png", "x").ok);
}

TEST(FileWrite, TargetsThatAreNoRegularFilesAreRefused)
{
    TempFolder dir;
    // Renaming over a device would replace the device itself.
    const auto device = writeFileReplacing("/dev/full", "x");
    EXPECT_FALSE(device.ok);
    EXPECT_EQ(device.error, "is not a regular file");
    EXPECT_FALSE(writeFileReplacing(dir.path(), "x").ok);
    const fs::path pipe = dir.path() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(writeFileReplacing(pipe, "x").ok);
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(dir.entries(), 1u);
}

TEST(FileWrite, CopiesReplaceLinksAtTheTargetAndNameTheFailingSide)
{
    using vignetta::files::copyFileReplacing;
    using vignetta::files::ReadFailure;
    TempFolder dir;
    const fs::path source = dir.path() / "source.ogg";
    {
        std::ofstream(source, std::ios::binary) << "sound";
    }
    // A link planted where the copy goes is replaced, not written through: the file it points
    // to (which may lie in another folder) keeps its content.
    const fs::path elsewhere = dir.path() / "elsewhere.ogg";
    {
        std::ofstream(elsewhere, std::ios::binary) << "untouched";
    }
    fs::create_symlink(elsewhere, dir.path() / "copy.ogg");
    std::uintmax_t reported = 0;
    ASSERT_TRUE(copyFileReplacing(source, dir.path() / "copy.ogg", 1024,
                                  [&reported](std::uintmax_t n) { reported = n; }));
    EXPECT_FALSE(fs::is_symlink(dir.path() / "copy.ogg"));
    EXPECT_EQ(contents(dir.path() / "copy.ogg"), "sound");
    EXPECT_EQ(contents(elsewhere), "untouched");
    EXPECT_EQ(reported, 5u);

    // The source's refusals say so; the target's failures do not blame the source.
    const auto tooLarge = copyFileReplacing(source, dir.path() / "small.ogg", 4);
    EXPECT_EQ(tooLarge.sourceFailure, ReadFailure::TooLarge);
    EXPECT_EQ(copyFileReplacing(dir.path(), dir.path() / "x.ogg", 1024).sourceFailure,
              ReadFailure::NotRegular);
    const auto noFolder = copyFileReplacing(source, dir.path() / "none" / "x.ogg", 1024);
    EXPECT_FALSE(noFolder.ok);
    EXPECT_EQ(noFolder.sourceFailure, ReadFailure::None);
    EXPECT_EQ(dir.entries(), 3u) << "no temporary file left behind";
}
