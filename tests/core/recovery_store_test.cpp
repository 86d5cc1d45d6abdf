// Recovery file names, the lock that keeps two instances apart, and what a project's slot
// holds when an instance comes.

#include <csignal>
#include <filesystem>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "scene/atomic_file.h"
#include "scene/recovery_store.h"
#include "recovery_test_util.h"
#include "scene_test_util.h"

using namespace scene_test;
using namespace recovery_test;

namespace {

const std::string project = "/games/demo/Game.fabproject";

Document sceneOf(int blocks)
{
    Document doc = Document::emptyScene();
    for (int i = 0; i < blocks; ++i)
        put(doc, 1, i * 60, 60);
    return doc;
}

// A claim held by a child process, as a second running instance would hold it. The child
// waits until it is killed.
pid_t holdInChild(const fs::path &folder)
{
    int ready[2];
    EXPECT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        RecoveryStore store(folder, project, ::getpid());
        const bool ok = store.claim(nullptr);
        const char c = ok ? '1' : '0';
        (void)!::write(ready[1], &c, 1);
        for (;;)
            ::pause();
    }
    char c = 0;
    EXPECT_EQ(::read(ready[0], &c, 1), 1);
    EXPECT_EQ(c, '1');
    ::close(ready[0]);
    ::close(ready[1]);
    return child;
}

void killHard(pid_t child)
{
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

} // namespace

TEST(RecoveryNames, StayTheSameAcrossVersionsAndKeepProjectsApart)
{
    // FNV-1a reference values: if the hash changed, the files of earlier versions would never
    // be found again.
    EXPECT_EQ(recoveryKey(""), "cbf29ce484222325");
    EXPECT_EQ(recoveryKey("a"), "af63dc4c8601ec8c");
    EXPECT_EQ(recoveryKey("foobar"), "85944171f73967e8");
    EXPECT_NE(recoveryKey("/games/a/Game.fabproject"), recoveryKey("/games/b/Game.fabproject"));
    EXPECT_EQ(recoverySlotName("0123456789abcdef", 1), "0123456789abcdef.json");
    EXPECT_EQ(recoverySlotName("0123456789abcdef", 2), "0123456789abcdef-2.json");
}

TEST(RecoveryLock, ExcludesASecondClaimUntilTheFirstEndsAndRecordsTheProcess)
{
    TempFolder dir;
    const fs::path lock = dir.path() / "a.json.lock";
    auto first = RecoveryLock::tryAcquire(lock, 1234);
    ASSERT_EQ(first.outcome, LockOutcome::acquired);
    EXPECT_EQ(RecoveryLock::recordedOwner(lock), 1234);
    EXPECT_EQ(RecoveryLock::tryAcquire(lock, 5678).outcome, LockOutcome::heldByOther);
    first.lock.reset();
    EXPECT_FALSE(fs::exists(lock)) << "a released lock leaves its file behind";
    auto second = RecoveryLock::tryAcquire(lock, 5678);
    ASSERT_EQ(second.outcome, LockOutcome::acquired);
    EXPECT_EQ(RecoveryLock::recordedOwner(lock), 5678);

    EXPECT_EQ(RecoveryLock::tryAcquire(dir.path() / "missing" / "b.lock", 1).outcome,
              LockOutcome::failed);
}

TEST(RecoveryLock, ALockLeftByAKilledProcessHoldsNobodyOff)
{
    TempFolder dir;
    const pid_t child = holdInChild(dir.path());
    const fs::path lock = lockPathFor(dir.path() / recoverySlotName(recoveryKey(project), 1));
    EXPECT_EQ(RecoveryLock::recordedOwner(lock), child);
    EXPECT_EQ(RecoveryLock::tryAcquire(lock, ::getpid()).outcome,
              LockOutcome::heldByOther);
    killHard(child);
    ASSERT_TRUE(fs::exists(lock)) << "kill -9 leaves the lock file; it must not count";
    auto mine = RecoveryLock::tryAcquire(lock, ::getpid());
    EXPECT_EQ(mine.outcome, LockOutcome::acquired);
    EXPECT_EQ(RecoveryLock::recordedOwner(lock), ::getpid());
}

TEST(RecoveryStore, AfterACrashTheNextInstanceFindsTheScene)
{
    TempFolder dir;
    const pid_t child = holdInChild(dir.path()); // the crashed instance had slot 1...
    RecoveryStore second(dir.path(), project, 2); // ...and a second one slot 2
    ASSERT_TRUE(second.claim(nullptr));
    const fs::path orphan = second.file();
    writeAll(orphan, writeRecoveryText(sceneOf(2), project, Clock::now()));
    second.release(); // it ended cleanly, without letting the scene go (the file stays)
    killHard(child);

    // Slot 1 is free and empty; the scene left in slot 2 is the one to offer.
    RecoveryStore next(dir.path(), project, 3);
    ASSERT_TRUE(next.claim(nullptr));
    EXPECT_EQ(next.file(), orphan);
    const auto found = next.inspect();
    ASSERT_EQ(found.kind, RecoveryStore::Inspection::Kind::scene);
    EXPECT_EQ(found.read.document.numBlock(), 2);
    EXPECT_FALSE(fs::exists(lockPathFor(dir.path() / recoverySlotName(recoveryKey(project), 1))))
        << "the empty slot tried first is still claimed";
}

TEST(RecoveryStore, ABadFileIsSetAsideUnderAFreeNameNeverDeleted)
{
    TempFolder dir;
    RecoveryStore store(dir.path(), project, 1);
    ASSERT_TRUE(store.claim(nullptr));
    const std::string good = writeRecoveryText(sceneOf(2), project, Clock::now());
    const std::string bads[] = {
        good.substr(0, good.size() / 2),                                   // truncated
        writeRecoveryText(sceneOf(2), "/games/other/x.fabproject", Clock::now()), // another's
        std::string(2000, 'x'),                                            // too large (cap below)
    };
    std::vector<fs::path> asides;
    for (const auto &bad : bads) {
        writeAll(store.file(), bad);
        const auto found = store.inspect(1500);
        ASSERT_EQ(found.kind, RecoveryStore::Inspection::Kind::setAside) << found.error;
        EXPECT_FALSE(found.error.empty());
        EXPECT_FALSE(fs::exists(store.file()));
        ASSERT_TRUE(fs::exists(found.setAsideAs));
        EXPECT_EQ(readAll(found.setAsideAs), bad);
        asides.push_back(found.setAsideAs);
    }
    EXPECT_EQ(asides[0].filename(), store.file().filename().string() + ".bad");
    EXPECT_EQ(asides[1].filename(), store.file().filename().string() + ".2.bad");
    EXPECT_EQ(asides[2].filename(), store.file().filename().string() + ".3.bad");

    // A folder in the file's place is set aside as well, whole.
    fs::create_directory(store.file());
    writeAll(store.file() / "inside", "kept");
    const auto folder = store.inspect();
    ASSERT_EQ(folder.kind, RecoveryStore::Inspection::Kind::setAside);
    EXPECT_EQ(readAll(folder.setAsideAs / "inside"), "kept");
}

TEST(RecoveryStore, AnEmptySceneIsRemovedAndRemoveTakesTheTemporaryFileToo)
{
    TempFolder dir;
    RecoveryStore store(dir.path(), project, 1);
    ASSERT_TRUE(store.claim(nullptr));
    writeAll(store.file(), writeRecoveryText(sceneOf(0), project, Clock::now()));
    EXPECT_EQ(store.inspect().kind, RecoveryStore::Inspection::Kind::none);
    EXPECT_FALSE(fs::exists(store.file()));

    writeAll(store.file(), "x");
    writeAll(temporaryPathFor(store.file()), "half");
    EXPECT_TRUE(store.remove());
    EXPECT_FALSE(fs::exists(store.file()));
    EXPECT_FALSE(fs::exists(temporaryPathFor(store.file())));
    EXPECT_TRUE(store.remove()) << "removing what is not there is no failure";
}
