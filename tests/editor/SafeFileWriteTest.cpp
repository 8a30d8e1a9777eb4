// Every way a save can go: replaced through a temporary file, written in place with a
// backup, killed half-way, on a real small file system where the test may mount one and
// with injected failures everywhere.
#include "editor/SafeFileWrite.h"
#include "editor/FileErrors.h"
#include "editor/InPlaceFileWrite.h"
#include "editor/SaveTemporaryFiles.h"

#include "../support/FaultyFileCalls.h"
#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <set>
#include <string>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tavlo;
namespace fs = std::filesystem;

namespace {

TFileIdentity save(const fs::path& path, const std::string& bytes) {
    return WriteFileSafely(path.string(), [&](std::ostream& out) { out << bytes; });
}

std::set<std::string> entriesOf(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename());
    return names;
}

ino_t inodeOf(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_ino;
}

// A tmpfs of the given size, where the test may mount one (root in a sandbox that allows it).
class SmallFileSystem {
public:
    explicit SmallFileSystem(size_t bytes) {
        const std::string options = "size=" + std::to_string(bytes);
        m_mounted = ::mount("tmpfs", m_dir.path().c_str(), "tmpfs", 0, options.c_str()) == 0;
    }
    ~SmallFileSystem() {
        if (m_mounted) ::umount2(m_dir.path().c_str(), MNT_DETACH);
    }
    bool Mounted() const { return m_mounted; }
    fs::path operator/(const std::string& name) const { return m_dir / name; }
    const fs::path& path() const { return m_dir.path(); }

    // Takes all free space but `leave` bytes.
    void FillLeaving(size_t leave) {
        const fs::path filler = m_dir / "filler";
        const int fd = ::open(filler.c_str(), O_CREAT | O_WRONLY | O_APPEND, 0600);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        struct stat info {};
        ::fstat(fd, &info);
        ASSERT_EQ(::ftruncate(fd, info.st_size - off_t(leave)), 0);
        ::close(fd);
    }

private:
    TempDir m_dir;
    bool m_mounted = false;
};

// A folder in which even root may create no file, while its files stay writable.
class ImmutableFolder {
public:
    explicit ImmutableFolder(fs::path path) : m_path(std::move(path)) { m_set = setFlag(true); }
    ~ImmutableFolder() {
        if (m_set) setFlag(false);
    }
    bool Set() const { return m_set; }

private:
    bool setFlag(bool on) {
        const int fd = ::open(m_path.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return ok;
    }
    fs::path m_path;
    bool m_set = false;
};

// Backups go to a folder of the test's own, which it can look into.
class SafeFileWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* previous = std::getenv("XDG_CACHE_HOME")) m_previousCache = previous;
        ::setenv("XDG_CACHE_HOME", m_cache.path().c_str(), 1);
    }
    void TearDown() override {
        if (m_previousCache)
            ::setenv("XDG_CACHE_HOME", m_previousCache->c_str(), 1);
        else
            ::unsetenv("XDG_CACHE_HOME");
    }
    std::set<std::string> Backups() const {
        const fs::path folder = BackupFolder();
        return fs::exists(folder) ? entriesOf(folder) : std::set<std::string>{};
    }

    TempDir dir;

private:
    TempDir m_cache;
    std::optional<std::string> m_previousCache;
};

#define SKIP_WITHOUT_MOUNT(small)                                                                  \
    if (!(small).Mounted()) GTEST_SKIP() << "no file system can be mounted here"

template <typename Save> EFCreateError saveFailure(Save&& saveCall) {
    try {
        saveCall();
    } catch (const EFCreateError& error) {
        return error;
    }
    ADD_FAILURE() << "the save went through";
    return EFCreateError("");
}

} // namespace

TEST_F(SafeFileWriteTest, TemporaryNameDoesNotGrowWithTheTargetsName) {
    SmallFileSystem small(1 << 20);
    SKIP_WITHOUT_MOUNT(small);
    const fs::path target = small / (std::string(250, 'n') + ".txt");
    writeFile(target, std::string(8192, 'o'));
    small.FillLeaving(16384);

    // Fits beside the old text: the temporary file's name fits wherever the target's does.
    save(target, std::string(8000, 'a'));
    EXPECT_EQ(readFile(target), std::string(8000, 'a'));

    // No room for the new text: the old one stays whole and nothing is left behind.
    const EFCreateError error = saveFailure([&] { save(target, std::string(65536, 'b')); });
    EXPECT_EQ(error.Reason(), TFileErrorReason::NoSpace);
    EXPECT_EQ(error.OldFile(), TOldFileState::Kept);
    EXPECT_EQ(readFile(target), std::string(8000, 'a'));
    EXPECT_EQ(entriesOf(small.path()), (std::set<std::string>{target.filename(), "filler"}));
}

TEST_F(SafeFileWriteTest, FolderThatTakesNoNewFileIsWrittenInPlaceOnARealFileSystem) {
    SmallFileSystem small(1 << 20);
    SKIP_WITHOUT_MOUNT(small);
    fs::create_directory(small / "locked");
    const fs::path target = small / "locked" / "doc.txt";
    writeFile(target, std::string(20480, 'o'));
    const ino_t inode = inodeOf(target);
    ImmutableFolder locked(small / "locked");
    if (!locked.Set()) GTEST_SKIP() << "this file system keeps no immutable flag";
    small.FillLeaving(8192);

    save(target, std::string(16384, 'a')); // shorter: written over the old bytes and cut
    EXPECT_EQ(readFile(target), std::string(16384, 'a'));
    EXPECT_EQ(inodeOf(target), inode);
    EXPECT_TRUE(Backups().empty());

    // Longer than the free space allows: refused before a byte is written.
    const EFCreateError error = saveFailure([&] { save(target, std::string(40960, 'b')); });
    EXPECT_EQ(error.Reason(), TFileErrorReason::NoSpace);
    EXPECT_EQ(error.OldFile(), TOldFileState::Kept);
    EXPECT_EQ(readFile(target), std::string(16384, 'a'));
    EXPECT_TRUE(Backups().empty());
}

TEST_F(SafeFileWriteTest, InPlaceWriteThatFailsPutsTheOldBytesBackOrKeepsTheBackup) {
    const fs::path target = dir / "doc.txt";
    const std::string old = "old text\n" + std::string(100000, 'o');
    TFaultyFileCalls faulty(dir.path());
    faulty.refuseNewFiles = true;
    TFileCallsOverride override(faulty);

    // The write goes through: every name sees the new text, no backup is left.
    writeFile(target, old);
    save(target, "new\n");
    EXPECT_EQ(readFile(target), "new\n");
    EXPECT_TRUE(Backups().empty());

    // The device fails half-way, once: the old bytes are put back.
    writeFile(target, old);
    faulty.written = 0;
    faulty.writeLimit = 50000;
    faulty.writeError = EIO;
    faulty.failingWrites = 1;
    EFCreateError error = saveFailure([&] { save(target, std::string(200000, 'n')); });
    EXPECT_EQ(error.Reason(), TFileErrorReason::InputOutput);
    EXPECT_EQ(error.OldFile(), TOldFileState::Kept);
    EXPECT_EQ(readFile(target), old);
    EXPECT_TRUE(Backups().empty());

    // It keeps failing: the backup stays and the error says where it lies.
    faulty.written = 0;
    faulty.failingWrites = -1;
    error = saveFailure([&] { save(target, std::string(200000, 'n')); });
    EXPECT_EQ(error.OldFile(), TOldFileState::InBackup);
    EXPECT_EQ(fs::path(error.BackupPath()).parent_path(), fs::path(BackupFolder()));
    EXPECT_EQ(readFile(error.BackupPath()), old);
    EXPECT_EQ(Backups().size(), 1u);

    // No room to reserve the new size: nothing is touched.
    writeFile(target, old);
    faulty.writeLimit = -1;
    faulty.allocateError = ENOSPC;
    error = saveFailure([&] { save(target, old + "more"); });
    EXPECT_EQ(error.Reason(), TFileErrorReason::NoSpace);
    EXPECT_EQ(error.OldFile(), TOldFileState::Kept);
    EXPECT_EQ(readFile(target), old);
}

TEST_F(SafeFileWriteTest, NoInPlaceWriteWithoutABackup) {
    const fs::path target = dir / "doc.txt";
    writeFile(target, "old\n");
    writeFile(dir / "not-a-folder", "");
    ::setenv("XDG_CACHE_HOME", (dir / "not-a-folder").c_str(), 1);
    TFaultyFileCalls faulty(dir.path());
    faulty.refuseNewFiles = true;
    TFileCallsOverride override(faulty);
    const EFCreateError error = saveFailure([&] { save(target, "new\n"); });
    EXPECT_EQ(error.Reason(), TFileErrorReason::NoBackup);
    EXPECT_EQ(error.OldFile(), TOldFileState::Kept);
    EXPECT_EQ(readFile(target), "old\n");

    // A new file in such a folder cannot be made at all.
    const EFCreateError refused = saveFailure([&] { save(dir / "new.txt", "x"); });
    EXPECT_EQ(refused.Reason(), TFileErrorReason::NoPermission);
    EXPECT_EQ(refused.OldFile(), TOldFileState::None);
}

TEST_F(SafeFileWriteTest, HardLinkedFileKeepsAllItsNames) {
    const fs::path first = dir / "first.txt";
    const fs::path second = dir / "second.txt";
    writeFile(first, "old\n");
    fs::create_hard_link(first, second);
    const TFileIdentity identity = save(second, "new text\n");
    EXPECT_EQ(readFile(first), "new text\n");
    EXPECT_EQ(inodeOf(first), inodeOf(second));
    EXPECT_EQ(fs::hard_link_count(first), 2u);
    EXPECT_EQ(identity.inode, uint64_t(inodeOf(first)));
    EXPECT_EQ(identity.size, 9);
    EXPECT_TRUE(Backups().empty());
    EXPECT_EQ(entriesOf(dir.path()), (std::set<std::string>{"first.txt", "second.txt"}));
}

namespace {

// Runs a save in a child process that kills itself with SIGKILL half-way through.
void saveKilledHalfWay(const fs::path& target, bool unnamedFiles) {
    const pid_t child = ::fork();
    if (child == 0) {
        TFaultyFileCalls calls(target.parent_path());
        calls.noUnnamedFiles = !unnamedFiles;
        TFileCallsOverride override(calls);
        try {
            WriteFileSafely(target.string(), [](std::ostream& out) {
                out << std::string(1 << 20, 'k');
                out.flush();
                ::raise(SIGKILL);
            });
        } catch (...) {
        }
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

} // namespace

TEST_F(SafeFileWriteTest, KilledSaveLeavesNoTemporaryFileBehind) {
    const fs::path target = dir / "doc.txt";
    writeFile(target, "old\n");
    saveKilledHalfWay(target, true);
    EXPECT_EQ(readFile(target), "old\n");
    EXPECT_EQ(entriesOf(dir.path()), std::set<std::string>{"doc.txt"});
}

TEST_F(SafeFileWriteTest, NamedTemporaryOfAKilledSaveIsRemovedByTheNextSave) {
    const fs::path target = dir / "doc.txt";
    writeFile(target, "old\n");
    saveKilledHalfWay(target, false);
    EXPECT_EQ(readFile(target), "old\n");
    std::set<std::string> entries = entriesOf(dir.path());
    ASSERT_EQ(entries.size(), 2u);
    const std::string stale = *entries.rbegin() == "doc.txt" ? *entries.begin() : *entries.rbegin();
    EXPECT_TRUE(IsSaveTemporaryName(stale));

    // One that a running save holds is left alone; so is anything that merely looks alike.
    const fs::path live = dir / ".tavlo-save-00000000";
    const int liveFd = ::open(live.c_str(), O_CREAT | O_RDWR, 0600);
    ASSERT_EQ(::flock(liveFd, LOCK_EX), 0);
    writeFile(dir / ".tavlo-save-notes", "mine");

    save(target, "new\n");
    EXPECT_EQ(readFile(target), "new\n");
    EXPECT_EQ(entriesOf(dir.path()),
              (std::set<std::string>{"doc.txt", live.filename(), ".tavlo-save-notes"}));
    ::close(liveFd);
}

TEST_F(SafeFileWriteTest, FailuresSayWhy) {
    writeFile(dir / "doc.txt", "old\n");
    fs::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    struct Case {
        fs::path name;
        TFileErrorReason reason;
        TOldFileState oldFile;
    };
    const Case cases[] = {
        {dir / "folder", TFileErrorReason::IsFolder, TOldFileState::None},
        {dir / "pipe", TFileErrorReason::NotRegularFile, TOldFileState::None},
        {dir / "missing" / "x.txt", TFileErrorReason::NotFound, TOldFileState::None},
        {dir / (std::string(300, 'n') + ".txt"), TFileErrorReason::NameTooLong,
         TOldFileState::None},
        {dir / "doc.txt" / "x.txt", TFileErrorReason::NotFound, TOldFileState::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EFCreateError error = saveFailure([&] { save(c.name, "new"); });
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + c.name.string());
        EXPECT_EQ(error.Reason(), c.reason);
        EXPECT_EQ(error.OldFile(), c.oldFile);
    }
    EXPECT_EQ(readFile(dir / "doc.txt"), "old\n");

    SmallFileSystem small(65536);
    SKIP_WITHOUT_MOUNT(small);
    writeFile(small / "doc.txt", "old\n");
    ASSERT_EQ(::mount(nullptr, small.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    const EFCreateError error = saveFailure([&] { save(small / "doc.txt", "new"); });
    EXPECT_EQ(error.Reason(), TFileErrorReason::ReadOnlyFileSystem);
    EXPECT_EQ(error.OldFile(), TOldFileState::Kept);
    EXPECT_EQ(readFile(small / "doc.txt"), "old\n");
}
