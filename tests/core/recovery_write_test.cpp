// Writing recovery files: the atomic replacement under failing writers, the write timing, and
// the background writer.

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include "scene/atomic_file.h"
#include "scene/recovery_writer.h"
#include "scene/write_debounce.h"
#include "recovery_test_util.h"
#include "scene_test_util.h"

using namespace scene_test;
using namespace recovery_test;
namespace fs = std::filesystem;

namespace {

// A disk that takes `budget` bytes and then reports itself full. Writes that reach the limit
// come back short first, as a real write does.
class FullDisk : public FileCalls
{
public:
    explicit FullDisk(std::size_t budget) : budget_(budget) {}
    ssize_t write(int fd, const void *data, std::size_t size) override
    {
        if (budget_ == 0) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min(size, budget_);
        budget_ -= n;
        return FileCalls::write(fd, data, n);
    }

private:
    std::size_t budget_;
};

// One chosen call fails with EIO.
class FailingCall : public FileCalls
{
public:
    enum Which { fsyncCall, closeCall, renameCall, tinyWrites };
    explicit FailingCall(Which which) : which_(which) {}
    ssize_t write(int fd, const void *data, std::size_t size) override
    {
        // tinyWrites: every write moves one byte only, which must still give the whole file.
        return FileCalls::write(fd, data, which_ == tinyWrites ? std::min<std::size_t>(size, 1)
                                                               : size);
    }
    int fsync(int fd) override { return which_ == fsyncCall ? fail() : FileCalls::fsync(fd); }
    int close(int fd) override
    {
        const int result = FileCalls::close(fd);
        return which_ == closeCall ? fail() : result;
    }
    int rename(const char *from, const char *to) override
    {
        return which_ == renameCall ? fail() : FileCalls::rename(from, to);
    }

private:
    static int fail()
    {
        errno = EIO;
        return -1;
    }
    Which which_;
};

std::string sceneText(int blocks)
{
    Document doc = Document::emptyScene();
    for (int i = 0; i < blocks; ++i)
        put(doc, 1 + i % 3, i * 70, 60, i % 4 == 0 ? mode_message : mode_picture);
    return writeRecoveryText(doc, "/games/demo/Game.fabproject", Clock::now());
}

} // namespace

TEST(AtomicWrite, FailureAtAnyByteLeavesThePreviousFileWhole)
{
    TempFolder dir;
    const fs::path file = dir.path() / "scene.json";
    const std::string before = sceneText(3);
    const std::string after = sceneText(5);
    writeAll(file, before);
    for (std::size_t budget = 0; budget < after.size(); ++budget) {
        FullDisk disk(budget);
        const auto result = writeFileAtomically(file, after, 0600, disk);
        ASSERT_FALSE(result.ok) << "reported success with only " << budget << " bytes written";
        EXPECT_EQ(result.errorNumber, ENOSPC);
        ASSERT_EQ(readAll(file), before) << "after a failure at byte " << budget;
        ASSERT_FALSE(fs::exists(temporaryPathFor(file))) << "left a temporary file";
    }
    // A writer killed half way leaves its temporary file; the next write simply replaces it.
    writeAll(temporaryPathFor(file), after.substr(0, after.size() / 2));
    FullDisk enough(after.size());
    ASSERT_TRUE(writeFileAtomically(file, after, 0600, enough).ok);
    EXPECT_EQ(readAll(file), after);
    EXPECT_FALSE(fs::exists(temporaryPathFor(file)));
}

TEST(AtomicWrite, FailedFlushCloseOrRenameIsReportedAndShortWritesAreContinued)
{
    TempFolder dir;
    const fs::path file = dir.path() / "scene.json";
    const std::string before = "[\"old\"]";
    const std::string after = sceneText(2);
    for (auto which : {FailingCall::fsyncCall, FailingCall::closeCall, FailingCall::renameCall}) {
        writeAll(file, before);
        FailingCall calls(which);
        const auto result = writeFileAtomically(file, after, 0600, calls);
        EXPECT_FALSE(result.ok) << which;
        EXPECT_EQ(result.errorNumber, EIO) << which;
        EXPECT_NE(result.error.find(file.filename().string()), std::string::npos) << result.error;
        EXPECT_EQ(readAll(file), before) << which;
        EXPECT_FALSE(fs::exists(temporaryPathFor(file))) << which;
    }
    FailingCall tiny(FailingCall::tinyWrites);
    ASSERT_TRUE(writeFileAtomically(file, after, 0600, tiny).ok);
    EXPECT_EQ(readAll(file), after);
}

TEST(AtomicWrite, NeverWritesThroughALinkAtTheTemporaryName)
{
    TempFolder dir;
    const fs::path file = dir.path() / "scene.json";
    const fs::path victim = dir.path() / "victim.txt";
    writeAll(victim, "precious");
    fs::create_symlink(victim, temporaryPathFor(file));
    EXPECT_FALSE(writeFileAtomically(file, "[]").ok);
    EXPECT_EQ(readAll(victim), "precious");
    EXPECT_FALSE(fs::exists(file));
}

// Drives the debounce the way the editor does (a change asks for a delay; a timer fires at the
// due time) over a random edit pattern, and checks both promises: writes at least one interval
// apart, and every change on disk within one interval.
TEST(WriteDebounce, AtMostOneWriteASecondAndEveryChangeWrittenWithinOne)
{
    std::mt19937 random(20240501);
    for (int round = 0; round < 50; ++round) {
        WriteDebounce debounce(1000);
        std::int64_t now = 0, due = -1, lastWrite = -1000000;
        std::int64_t oldestUnwritten = -1;
        auto write = [&](std::int64_t at) {
            ASSERT_GE(at - lastWrite, 1000) << "two writes within one interval";
            ASSERT_LE(at - oldestUnwritten, 1000) << "a change waited longer than one interval";
            debounce.written(at);
            lastWrite = at;
            oldestUnwritten = -1;
            due = -1;
        };
        for (int edit = 0; edit < 200; ++edit) {
            // Bursts of quick edits separated by pauses of all lengths.
            const std::int64_t gap = random() % 4 == 0 ? random() % 3000 : random() % 120;
            const std::int64_t next = now + gap;
            if (due >= 0 && due <= next)
                write(due);
            now = next;
            if (oldestUnwritten < 0)
                oldestUnwritten = now;
            const std::int64_t delay = debounce.changed(now);
            ASSERT_GE(delay, 0);
            ASSERT_LE(delay, 1000);
            if (delay == 0)
                write(now);
            else if (due < 0)
                due = now + delay;
        }
        if (due >= 0)
            write(due);
        EXPECT_FALSE(debounce.pending());
    }
}

namespace {

// Holds every write until released, to catch the writer while it is busy.
class GatedDisk : public FileCalls
{
public:
    ssize_t write(int fd, const void *data, std::size_t size) override
    {
        std::unique_lock<std::mutex> lock(mutex_);
        ++entered_;
        changed_.notify_all();
        changed_.wait(lock, [this] { return open_; });
        return FileCalls::write(fd, data, size);
    }
    void waitUntilWriting(int count)
    {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return entered_ >= count; });
    }
    void letWritesThrough()
    {
        std::lock_guard<std::mutex> lock(mutex_);
        open_ = true;
        changed_.notify_all();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int entered_ = 0;
    bool open_ = false;
};

RecoveryJob jobWith(const fs::path &file, int blocks)
{
    Document doc = Document::emptyScene();
    for (int i = 0; i < blocks; ++i)
        put(doc, 1, i * 60, 60);
    return {file, "/games/demo/Game.fabproject", doc, Clock::now()};
}

int blocksIn(const fs::path &file)
{
    const auto read = readRecoveryFile(file, "/games/demo/Game.fabproject");
    return read ? read.document.numBlock() : -1;
}

} // namespace

TEST(RecoveryWriter, WritesTheNewestSceneAndSkipsThoseOvertakenWhileBusy)
{
    TempFolder dir;
    const fs::path file = dir.path() / "Recovery" / "a.json"; // the folder is made on demand
    GatedDisk disk;
    std::mutex reportsMutex;
    std::vector<RecoveryWriteOutcome> reports;
    RecoveryWriter writer(
        [&](const RecoveryWriteOutcome &o) {
            std::lock_guard<std::mutex> lock(reportsMutex);
            reports.push_back(o);
        },
        disk);
    writer.submit(jobWith(file, 1));
    disk.waitUntilWriting(1);
    writer.submit(jobWith(file, 2));
    writer.submit(jobWith(file, 3));
    disk.letWritesThrough();
    writer.flush();
    EXPECT_EQ(blocksIn(file), 3);
    std::lock_guard<std::mutex> lock(reportsMutex);
    ASSERT_EQ(reports.size(), 2u) << "the overtaken scene was written as well";
    EXPECT_TRUE(reports[0].ok && reports[1].ok);
}

TEST(RecoveryWriter, CancelDropsTheWaitingSceneAndStoppingWritesIt)
{
    TempFolder dir;
    const fs::path file = dir.path() / "a.json";
    {
        GatedDisk disk;
        RecoveryWriter writer(nullptr, disk);
        writer.submit(jobWith(file, 1));
        disk.waitUntilWriting(1);
        writer.submit(jobWith(file, 2));
        std::thread opener([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            disk.letWritesThrough();
        });
        writer.cancel(); // waits for the scene being written, drops the waiting one
        opener.join();
        writer.flush();
        EXPECT_EQ(blocksIn(file), 1);
    }
    {
        GatedDisk disk;
        auto writer = std::make_unique<RecoveryWriter>(nullptr, disk);
        writer->submit(jobWith(file, 4));
        disk.waitUntilWriting(1);
        writer->submit(jobWith(file, 5));
        disk.letWritesThrough();
        writer.reset(); // the last edit is not lost when the program winds down
        EXPECT_EQ(blocksIn(file), 5);
    }
}

TEST(RecoveryWriter, FailuresAndOversizedScenesAreReportedNotSwallowed)
{
    TempFolder dir;
    const fs::path file = dir.path() / "a.json";
    FullDisk full(10);
    const auto failed = RecoveryWriter::write(jobWith(file, 2), full);
    EXPECT_FALSE(failed.ok);
    EXPECT_FALSE(failed.error.empty());
    EXPECT_FALSE(fs::exists(file));

    const auto tooLarge = RecoveryWriter::write(jobWith(file, 2), FileCalls::system(), 100);
    EXPECT_FALSE(tooLarge.ok);
    EXPECT_NE(tooLarge.error.find("too large"), std::string::npos);

    // A folder that cannot be made: a file stands where it should be.
    writeAll(dir.path() / "blocked", "x");
    const auto noFolder = RecoveryWriter::write(jobWith(dir.path() / "blocked" / "a.json", 1),
                                                FileCalls::system());
    EXPECT_FALSE(noFolder.ok);
}
