#include "editor/SynEditTextBuffer.h"
#include "editor/SynEditMiscProcs.h"

#include "../support/FaultyFileCalls.h"
#include "FileTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <csignal>

#include <malloc.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace tavlo;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> linesOf(const TSynEditStringList& list) {
    std::vector<std::string> lines;
    for (int32_t i = 0; i < list.Count(); ++i) lines.emplace_back(list.LineAt(i));
    return lines;
}

// Records the notifications in the order they arrive.
struct NotificationLog {
    std::vector<std::string> events;
    void attach(TSynEditStringList& list) {
        list.OnLinesChanging = [this] { events.push_back("changing"); };
        list.OnLinesChanged = [this] { events.push_back("changed"); };
        list.OnLinesAdded = [this](int32_t i, std::string_view) { events.push_back("added " + std::to_string(i)); };
        list.OnLinesCleared = [this] { events.push_back("cleared"); };
        list.OnLinesDeleted = [this](int32_t i) { events.push_back("deleted " + std::to_string(i)); };
        list.OnLineInserted = [this](int32_t i, std::string_view) { events.push_back("inserted " + std::to_string(i)); };
        list.OnLineReplaced = [this](int32_t i, std::string_view t) {
            events.push_back("replaced " + std::to_string(i) + " " + std::string(t));
        };
    }
};

struct LoadCase {
    std::string bytes;
    std::vector<std::string> lines;
    TLineBreakStyle style;
    std::string saved; // what saving the loaded lines writes back
};

} // namespace

TEST(TextBuffer, LoadDetectsBreaksAndSavesThemBack) {
    using S = TLineBreakStyle;
    const std::vector<LoadCase> cases = {
        {"a\r\nb", {"a", "b"}, S::CrLf, "a\r\nb\r\n"},
        {"a\nb\n", {"a", "b"}, S::Lf, "a\nb\n"},
        {"a\rb", {"a", "b"}, S::Cr, "a\rb\r"},
        {"a\r\nb\n", {"a", "b"}, S::CrLf, "a\r\nb\r\n"},
        {"only", {"only"}, S::CrLf, "only\r\n"},
        {"", {}, S::CrLf, ""},
        {"\r\n", {""}, S::CrLf, "\r\n"},
        {"\n\r", {"", ""}, S::CrLf, "\r\n\r\n"},
        {"x\n\ny\n", {"x", "", "y"}, S::Lf, "x\n\ny\n"},
        // A zero byte is a character of its line, so the file survives a save.
        {std::string("a\0b\nc\0\n", 7), {std::string("a\0b", 3), std::string("c\0", 2)}, S::Lf,
         std::string("a\0b\nc\0\n", 7)},
        {std::string("\0", 1), {std::string("\0", 1)}, S::CrLf, std::string("\0\r\n", 3)},
        // Long lines cross the scanner's 16-byte chunks at every offset.
        {std::string(37, 'x') + "\r" + std::string(16, 'y') + "\r", {std::string(37, 'x'), std::string(16, 'y')},
         S::Cr, std::string(37, 'x') + "\r" + std::string(16, 'y') + "\r"},
    };
    TempDir dir;
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        writeFile(dir / "in.txt", c.bytes);
        TSynEditStringList list;
        list.LoadFile((dir / "in.txt").string());
        EXPECT_EQ(linesOf(list), c.lines);
        EXPECT_EQ(list.BreakStyle(), c.style);
        list.SaveFile((dir / "out.txt").string());
        EXPECT_EQ(readFile(dir / "out.txt"), c.saved);

        std::istringstream stream(c.bytes);
        TSynEditStringList fromStream;
        fromStream.LoadStream(stream);
        EXPECT_EQ(linesOf(fromStream), c.lines);
    }
}

TEST(TextBuffer, FilesWithOneBreakStyleRoundTripByteForByte) {
    std::mt19937 random(20261208);
    TempDir dir;
    const char* breaks[] = {"\r\n", "\n", "\r"};
    for (int round = 0; round < 60; ++round) {
        const std::string eol = breaks[round % 3];
        std::string bytes;
        int lines = int(random() % 40);
        for (int i = 0; i < lines; ++i) {
            int length = int(random() % 70);
            for (int k = 0; k < length; ++k) {
                char c = char(random() % 256);
                if (c == '\r' || c == '\n') c = '\t';
                bytes.push_back(c);
            }
            bytes += eol;
        }
        writeFile(dir / "f", bytes);
        TSynEditStringList list;
        list.LoadFile((dir / "f").string());
        EXPECT_EQ(list.Count(), lines);
        list.SaveFile((dir / "f").string());
        // A file with no break at all is written back with CR LF; every other one is exact.
        if (lines > 0) {
            EXPECT_EQ(readFile(dir / "f"), bytes) << "round " << round;
        }
    }
}

TEST(TextBuffer, FailedLoadKeepsLinesAndSaysWhy) {
    TempDir dir;
    TSynEditStringList list;
    list.AddLine("keep me");
    fs::create_directory(dir / "folder");
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    writeFile(dir / "unreadable.txt", "bytes");
    const std::pair<std::string, TFileErrorReason> cases[] = {
        {(dir / "missing").string(), TFileErrorReason::NotFound},
        {(dir / "folder").string(), TFileErrorReason::IsFolder},
        {(dir / "fifo").string(), TFileErrorReason::NotRegularFile},
        {"/dev/null", TFileErrorReason::NotRegularFile},
        {(dir / (std::string(300, 'n') + ".txt")).string(), TFileErrorReason::NameTooLong},
        {(dir / "unreadable.txt").string(), TFileErrorReason::InputOutput},
    };
    TFaultyFileCalls faulty(dir.path());
    faulty.readError = EIO;
    TFileCallsOverride override(faulty);
    for (const auto& [name, reason] : cases) {
        try {
            list.LoadFile(name);
            ADD_FAILURE() << name << " loaded";
        } catch (const EFOpenError& error) {
            EXPECT_EQ(std::string(error.what()), "Cannot open file " + name);
            EXPECT_EQ(error.Reason(), reason) << name;
        }
        EXPECT_EQ(linesOf(list), std::vector<std::string>{"keep me"});
    }
}

// The address-space limit stands in for a machine without the memory; the sanitizers'
// allocator ends the program there instead of reporting it.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define TAVLO_SANITIZED_ALLOCATOR
#endif
#endif
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__) && !defined(TAVLO_SANITIZED_ALLOCATOR)
TEST(TextBuffer, FileTooBigForMemorySaysSo) {
    TempDir dir;
    const fs::path big = dir / "big.txt";
    writeFile(big, "");
    fs::resize_file(big, uintmax_t(4) << 30); // sparse: takes no disk space
    const pid_t child = ::fork();
    if (child == 0) {
        struct rlimit limit {};
        ::getrlimit(RLIMIT_AS, &limit);
        limit.rlim_cur = rlim_t(1) << 31;
        ::setrlimit(RLIMIT_AS, &limit);
        TSynEditStringList list;
        list.AddLine("keep me");
        try {
            list.LoadFile(big.string());
        } catch (const EFOpenError& error) {
            ::_exit(error.Reason() == TFileErrorReason::TooBigForMemory && list.Count() == 1 ? 0 : 2);
        }
        ::_exit(3);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
#endif

TEST(TextBuffer, SaveReplacesTheFileWholeAndKeepsItsKind) {
    TempDir dir;
    TSynEditStringList list;
    list.SetAllText("new\r\ntext");
    list.SetBreakStyle(TLineBreakStyle::Lf);

    // Permission bits survive the replacement.
    const fs::path target = dir / "script.sh";
    writeFile(target, "old");
    fs::permissions(target, fs::perms(0750), fs::perm_options::replace);
    list.SaveFile(target.string());
    EXPECT_EQ(readFile(target), "new\ntext\n");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms(0750));

    // A link stays a link; the file it names receives the text.
    const fs::path link = dir / "link.txt";
    fs::create_symlink(target, link);
    list.SetAllText("through the link");
    list.SaveFile(link.string());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(target), "through the link\n");

    // No temporary file is left behind.
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 2);
}

// A write that fails half-way (here: the file-size limit, which binds root too, standing
// in for a full disk) leaves the old file whole and no temporary file behind.
TEST(TextBuffer, FailedWriteLeavesTheOldFileWhole) {
    TempDir dir;
    const fs::path target = dir / "doc.txt";
    writeFile(target, "original");
    TSynEditStringList list;
    list.SetAllText(std::string(100000, 'z'));

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    EXPECT_THROW(list.SaveFile(target.string()), EFCreateError);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(readFile(target), "original");
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 1);
    EXPECT_THROW(list.SaveFile((dir / "no-such-folder" / "x.txt").string()), EFCreateError);
}

TEST(TextBuffer, FailedSaveWithoutPermissionLeavesTheOldFileWhole) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes read-only files";
    TempDir dir;
    TSynEditStringList list;
    list.SetAllText("replacement");

    const fs::path readOnly = dir / "ro.txt";
    writeFile(readOnly, "original");
    fs::permissions(readOnly, fs::perms(0444), fs::perm_options::replace);
    EXPECT_THROW(list.SaveFile(readOnly.string()), EFCreateError);
    EXPECT_EQ(readFile(readOnly), "original");

    fs::create_directory(dir / "locked");
    fs::permissions(dir / "locked", fs::perms(0500), fs::perm_options::replace);
    try {
        list.SaveFile((dir / "locked" / "new.txt").string());
        ADD_FAILURE() << "saved into a locked folder";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + (dir / "locked" / "new.txt").string());
    }
}

TEST(TextBuffer, SaveIntoALockedFolderWritesInPlace) {
    if (::geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    TempDir dir;
    fs::create_directory(dir / "locked");
    const fs::path target = dir / "locked" / "file.txt";
    writeFile(target, "old contents that are longer");
    fs::permissions(dir / "locked", fs::perms(0500), fs::perm_options::replace);
    TSynEditStringList list;
    list.SetAllText("new");
    list.SaveFile(target.string());
    EXPECT_EQ(readFile(target), "new\r\n");
}

TEST(TextBuffer, IndexRules) {
    TSynEditStringList list;
    EXPECT_EQ(list.LineAt(-1), "");
    EXPECT_EQ(list.LineAt(0), "");
    list.ReplaceLine(0, "first"); // on an empty list: appends
    list.ReplaceLine(1, "second"); // at Count: appends
    list.InsertLineAt(2, "third"); // at Count: appends
    EXPECT_EQ(linesOf(list), (std::vector<std::string>{"first", "second", "third"}));

    auto expectIndexError = [](auto call, int64_t index) {
        try {
            call();
            ADD_FAILURE() << "no error for index " << index;
        } catch (const ESynEditStringList& error) {
            EXPECT_EQ(std::string(error.what()), "Invalid stringlist index " + std::to_string(index));
        }
    };
    expectIndexError([&] { list.RemoveLine(3); }, 3);
    expectIndexError([&] { list.RemoveLine(-1); }, -1);
    expectIndexError([&] { list.ReplaceLine(4, "x"); }, 4);
    expectIndexError([&] { list.InsertLineAt(4, "x"); }, 4);
    expectIndexError([&] { list.SwapLines(0, 3); }, 3);
    expectIndexError([&] { list.StoreLineRange(3, 1); }, 3);
    expectIndexError([&] { list.StoreLineData(-5, 1); }, -5);
    expectIndexError([&] { list.RemoveLines(4, 1); }, 4);
    EXPECT_EQ(linesOf(list), (std::vector<std::string>{"first", "second", "third"}));
    EXPECT_EQ(list.LineRange(7), 0);
    EXPECT_EQ(list.LineData(-1), 0u);
    EXPECT_EQ(list.ExpandedLine(9), "");

    list.RemoveLines(1, 100); // cut at the last record
    EXPECT_EQ(linesOf(list), std::vector<std::string>{"first"});
}

TEST(TextBuffer, RecordsKeepRangeAndDataThroughMoves) {
    TSynEditStringList list;
    for (int i = 0; i < 5; ++i) list.AddLine("line" + std::to_string(i));
    EXPECT_EQ(list.LineRange(0), -1); // no range stored yet
    for (int i = 0; i < 5; ++i) {
        list.StoreLineRange(i, 10 + i);
        list.StoreLineData(i, uintptr_t(100 + i));
    }
    list.ReplaceLine(1, "changed"); // range kept
    EXPECT_EQ(list.LineRange(1), 11);
    list.SwapLines(0, 4);
    EXPECT_EQ(list.LineAt(0), "line4");
    EXPECT_EQ(list.LineRange(0), 14);
    EXPECT_EQ(list.LineData(0), 104u);
    list.RemoveLine(1);
    EXPECT_EQ(list.LineData(1), 102u);
    list.InsertEmptyLines(1, 2);
    EXPECT_EQ(list.Count(), 6);
    EXPECT_EQ(list.LineRange(1), 0);
    EXPECT_EQ(list.LineData(1), 0u);
    EXPECT_EQ(list.LineData(3), 102u);
    list.InsertLineAt(0, "new");
    EXPECT_EQ(list.LineData(0), 0u);
    EXPECT_EQ(list.LineData(4), 102u);

    TSynEditStringList copy;
    copy.AddLine("own");
    copy.AppendLines(list);
    ASSERT_EQ(copy.Count(), 8);
    EXPECT_EQ(copy.LineAt(1), "new");
    EXPECT_EQ(copy.LineData(5), 102u);
    EXPECT_EQ(copy.LineRange(5), -1);
    EXPECT_EQ(copy.Capacity(), 16);
}

TEST(TextBuffer, NotificationsAndBrackets) {
    TSynEditStringList list;
    NotificationLog log;
    log.attach(list);
    list.AddLine("a");
    EXPECT_EQ(log.events, (std::vector<std::string>{"changing", "added 0", "changed"}));

    log.events.clear();
    list.LockUpdates();
    list.InsertLineAt(0, "b");
    list.ReplaceLine(1, "c");
    list.RemoveLine(0);
    list.UnlockUpdates();
    EXPECT_EQ(log.events, (std::vector<std::string>{"changing", "inserted 0", "replaced 1 c", "deleted 0", "changed"}));

    log.events.clear();
    list.SetAllText("x\ny");
    EXPECT_EQ(log.events, (std::vector<std::string>{"changing", "cleared", "added 0", "added 1", "changed"}));

    log.events.clear();
    list.StoreLineRange(0, 5);
    list.ChangeTabWidth(3); // no bracket, no notification
    EXPECT_EQ(log.events, (std::vector<std::string>{"changing", "changed"}));

    log.events.clear();
    list.Clear();
    list.Clear(); // empty: nothing to announce
    EXPECT_EQ(log.events, (std::vector<std::string>{"changing", "cleared", "changed"}));
}

TEST(TextBuffer, GrowthSteps) {
    TSynEditStringList list;
    std::vector<int32_t> capacities;
    for (int i = 0; i < 130; ++i) {
        list.AddLine("x");
        if (capacities.empty() || capacities.back() != list.Capacity()) capacities.push_back(list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int32_t>{16, 32, 48, 64, 80, 100, 125, 156}));
    list.InsertEmptyLines(0, 4);
    EXPECT_EQ(list.Capacity(), 134);
}

TEST(TextBuffer, TabExpansion) {
    bool hasTabs = false;
    EXPECT_EQ(ExpanderFor(4)("a\tb", 4, hasTabs), "a\t\t\tb");
    EXPECT_TRUE(hasTabs);
    EXPECT_EQ(ExpanderFor(1)("a\tb", 1, hasTabs), "a b");
    EXPECT_EQ(ExpanderFor(3)("\t\tx", 3, hasTabs).size(), 7u);
    EXPECT_EQ(ExpanderFor(8)("plain", 8, hasTabs), "plain");
    EXPECT_FALSE(hasTabs);
    EXPECT_EQ(TextExpanderFor(5)("ab\tc", 5), "ab\t\t\tc");

    // Power-of-two and general expanders agree, and the length needs no text.
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        std::string text;
        for (int i = int(random() % 30); i > 0; --i) text.push_back(random() % 3 == 0 ? '\t' : 'a');
        for (int width : {2, 4, 8, 16}) {
            bool a, b, c;
            std::string pow2 = ExpandTabsPow2(text, width, a);
            EXPECT_EQ(pow2, ExpandTabsAny(text, width, b));
            EXPECT_EQ(int64_t(pow2.size()), ExpandedLength(text, width, c));
        }
    }

    TSynEditStringList list;
    list.AddLine("a\tb");
    list.ChangeTabWidth(4);
    EXPECT_EQ(list.ExpandedLine(0), "a\t\t\tb");
    EXPECT_EQ(list.LongestLineLength(), 5);
    list.ChangeTabWidth(1);
    EXPECT_EQ(list.LongestLineLength(), 3);
    EXPECT_EQ(list.ExpandedLine(0), "a b");
}

// The cached longest line is always the first of the longest lines, however the
// list changes; compared against a plain rescan after every step.
TEST(TextBuffer, LongestLineCacheMatchesARescan) {
    std::mt19937 random(42);
    TSynEditStringList list;
    list.ChangeTabWidth(4);
    auto randomLine = [&] {
        std::string text(random() % 12, 'x');
        if (random() % 4 == 0 && !text.empty()) text[random() % text.size()] = '\t';
        return text;
    };
    for (int step = 0; step < 3000; ++step) {
        int32_t count = list.Count();
        switch (random() % 6) {
        case 0: list.AddLine(randomLine()); break;
        case 1: list.InsertLineAt(int32_t(random() % (count + 1)), randomLine()); break;
        case 2: if (count) list.ReplaceLine(int32_t(random() % count), randomLine()); break;
        case 3: if (count) list.RemoveLine(int32_t(random() % count)); break;
        case 4: if (count) list.SwapLines(int32_t(random() % count), int32_t(random() % count)); break;
        case 5: if (count) list.RemoveLines(int32_t(random() % count), int32_t(random() % 3)); break;
        }
        int32_t length = list.LongestLineLength();
        int32_t best = 0, bestIndex = -1;
        for (int32_t i = 0; i < list.Count(); ++i) {
            bool hasTabs;
            int32_t l = int32_t(ExpandedLength(list.LineAt(i), 4, hasTabs));
            if (l > best) {
                best = l;
                bestIndex = i;
            }
        }
        ASSERT_EQ(length, best) << "step " << step;
        // Swapping moves the cached index with its record, as a rescan would not.
        if (bestIndex >= 0) {
            ASSERT_EQ(list.ExpandedLineLength(list.LongestLineIndex()), best) << "step " << step;
        }
    }
}

TEST(TextBuffer, AllTextKeepsEveryByte) {
    TSynEditStringList list;
    const char text[] = "a\r\nb\0c\rd\n\n";
    list.SetAllText(std::string(text, sizeof text - 1));
    EXPECT_EQ(linesOf(list), (std::vector<std::string>{"a", std::string("b\0c", 3), "d", ""}));
    const char all[] = "a\r\nb\0c\r\nd\r\n\r\n";
    EXPECT_EQ(list.GetAllText(), std::string(all, sizeof all - 1));
    list.SetAllText("");
    EXPECT_EQ(list.Count(), 0);
}

TEST(TextBuffer, WriterFlushesThroughItsBuffer) {
    std::ostringstream out;
    {
        TSynEditFileWriter writer(out, TLineBreakStyle::Cr);
        writer.PutLine(std::string(TSynEditFileWriter::InitialCapacity - 1, 'a'));
        writer.PutLine(std::string(3 * TSynEditFileWriter::InitialCapacity, 'b')); // larger than the buffer
        EXPECT_EQ(out.str().size(), TSynEditFileWriter::InitialCapacity);
        writer.PutLine("");
    }
    std::string expected = std::string(TSynEditFileWriter::InitialCapacity - 1, 'a') + "\r" +
                           std::string(3 * TSynEditFileWriter::InitialCapacity, 'b') + "\r\r";
    EXPECT_EQ(out.str(), expected);
}

namespace tavlo::test {
namespace {

TEST(TextBuffer, InsertInLineGrowsTheLineInPlace) {
    TSynEditStringList list;
    std::istringstream stream("loaded line\nx\tb\n");
    list.LoadStream(stream);
    NotificationLog log;
    log.attach(list);
    list.InsertInLine(0, 7, "own "); // a loaded line gets bytes of its own
    EXPECT_EQ(list.LineAt(0), "loaded own line");
    EXPECT_EQ(log.events, (std::vector<std::string>{"changing", "replaced 0 loaded own line", "changed"}));
    EXPECT_EQ(list.ExpandedLineLength(0), 15);
    std::string typed;
    for (int i = 0; i < 1000; ++i) {
        list.InsertInLine(0, 0, "ab");
        typed += "ab";
    }
    EXPECT_EQ(list.LineAt(0), typed + "loaded own line");
    EXPECT_EQ(list.ExpandedLineLength(0), 2015) << "the length follows without a tab";
    list.InsertInLine(0, 1, "\t");
    EXPECT_EQ(list.ExpandedLineLength(0), 2022) << "the tab after one character takes seven columns";
    // A listener for splices hears where the bytes went, and no replacement.
    list.OnLineSpliced = [&](int32_t i, size_t at, size_t removed, size_t inserted) {
        log.events.push_back("spliced " + std::to_string(i) + " " + std::to_string(at) + " " +
                             std::to_string(removed) + " " + std::to_string(inserted));
    };
    log.events.clear();
    const size_t length = list.LineAt(0).size();
    list.InsertInLine(0, 9999, "!"); // past the end: appended
    EXPECT_EQ(list.LineAt(0).back(), '!');
    EXPECT_EQ(log.events,
              (std::vector<std::string>{"changing", "spliced 0 " + std::to_string(length) + " 0 1",
                                        "changed"}));
    list.InsertInLine(1, 1, list.LineAt(1)); // its own text, as a copy
    EXPECT_EQ(list.LineAt(1), "xx\tb\tb");
    EXPECT_THROW(list.InsertInLine(2, 0, "q"), ESynEditStringList);
}

TEST(TextBuffer, ReplaceInLineChangesTheLineInPlace) {
    TSynEditStringList list;
    std::istringstream stream("loaded line\nx\tb\nlongest line of all\n");
    list.LoadStream(stream);
    EXPECT_EQ(list.LongestLineLength(), 19);
    NotificationLog log;
    log.attach(list);

    // A loaded line gets bytes of its own, even to shrink; its neighbours in the loaded
    // block are left as they were.
    const char* loaded = list.LineAt(0).data();
    list.ReplaceInLine(0, 0, 7, "");
    EXPECT_EQ(list.LineAt(0), "line");
    EXPECT_NE(list.LineAt(0).data(), loaded);
    EXPECT_EQ(list.LineAt(1), "x\tb");
    EXPECT_EQ(log.events, (std::vector<std::string>{"changing", "replaced 0 line", "changed"}));

    // An owned line shrinks and grows in its own bytes: no copy moves it.
    list.ReplaceInLine(0, 0, 4, std::string(1000, 'a'));
    const char* owned = list.LineAt(0).data();
    list.ReplaceInLine(0, 10, 980, "bc");
    EXPECT_EQ(list.LineAt(0), std::string(10, 'a') + "bc" + std::string(10, 'a'));
    list.ReplaceInLine(0, 1, 0, "xyz");
    EXPECT_EQ(list.LineAt(0).data(), owned);
    EXPECT_EQ(list.LineAt(0), "axyz" + std::string(9, 'a') + "bc" + std::string(10, 'a'));

    // Bytes a long line lost for good are given back; a line that shrank a little keeps them.
    list.ReplaceInLine(0, 0, 0, std::string(1'000'000, 'L'));
    list.ReplaceInLine(0, 0, 1000, "");
    EXPECT_GE(malloc_usable_size(const_cast<char*>(list.LineAt(0).data())), 999'000u);
    list.ReplaceInLine(0, 0, 999'000, "");
    EXPECT_EQ(list.LineAt(0), "axyz" + std::string(9, 'a') + "bc" + std::string(10, 'a'));
    EXPECT_LT(malloc_usable_size(const_cast<char*>(list.LineAt(0).data())), 65536u);

    // An offset or a count past the end is cut at the end.
    list.ReplaceInLine(0, 3, 9999, "!");
    EXPECT_EQ(list.LineAt(0), "axy!");
    list.ReplaceInLine(0, 9999, 5, "?");
    EXPECT_EQ(list.LineAt(0), "axy!?");

    // Text taken from the line itself, including the part being removed.
    list.ReplaceInLine(0, 1, 3, list.LineAt(0).substr(0, 3));
    EXPECT_EQ(list.LineAt(0), "aaxy?");
    list.ReplaceInLine(0, 0, 5, list.LineAt(0).substr(2));
    EXPECT_EQ(list.LineAt(0), "xy?");

    // Tab knowledge: removing the only tab, or putting one in, changes the display length.
    EXPECT_EQ(list.ExpandedLineLength(1), 9);
    list.ReplaceInLine(1, 1, 1, "");
    EXPECT_EQ(list.ExpandedLineLength(1), 2);
    list.ReplaceInLine(1, 1, 0, "  ");
    EXPECT_EQ(list.ExpandedLineLength(1), 4) << "a line known to be free of tabs keeps its length up to date";
    list.ReplaceInLine(1, 0, 1, "\t");
    EXPECT_EQ(list.ExpandedLineLength(1), 11);
    EXPECT_EQ(list.ExpandedLine(1), "\t\t\t\t\t\t\t\t  b");

    // The longest line follows: shrinking it hands the place on, growing another takes it.
    EXPECT_EQ(list.LongestLineLength(), 19);
    list.ReplaceInLine(2, 0, 8, "");
    EXPECT_EQ(list.LongestLineLength(), 11);
    EXPECT_EQ(list.LongestLineIndex(), 1) << "the first of two longest lines";
    list.ReplaceInLine(0, 0, 0, std::string(20, 'w'));
    EXPECT_EQ(list.LongestLineLength(), 23);
    EXPECT_EQ(list.LongestLineIndex(), 0);

    // A line that does not exist is an index error that changes nothing.
    log.events.clear();
    EXPECT_THROW(list.ReplaceInLine(3, 0, 0, "q"), ESynEditStringList);
    EXPECT_THROW(list.ReplaceInLine(-1, 0, 0, "q"), ESynEditStringList);
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(list.Count(), 3);

    // A line an edit empties holds no bytes, as a new empty line does, and grows again.
    list.ReplaceInLine(0, 0, std::string_view::npos, "");
    EXPECT_EQ(list.LineAt(0).data(), nullptr);
    EXPECT_EQ(list.ExpandedLineLength(0), 0);
    list.ReplaceInLine(0, 0, 0, "again");
    EXPECT_EQ(list.LineAt(0), "again");
}

// Edits of a line with tabs work out its new display length from the columns around the
// edit; it must be the one counted over the whole line, for any tab width, with tabs typed,
// deleted and replaced anywhere.
TEST(TextBuffer, ASplicedLineWithTabsKeepsItsDisplayLengthRight) {
    std::mt19937 random(5);
    const char alphabet[] = {'a', 'b', '\t', ' ', '\t'};
    auto randomText = [&](size_t maxLength) {
        std::string text(random() % (maxLength + 1), 'a');
        for (char& c : text) c = alphabet[random() % std::size(alphabet)];
        return text;
    };
    for (const int tabWidth : {1, 2, 3, 4, 8}) {
        TSynEditStringList list;
        list.ChangeTabWidth(tabWidth);
        list.AddLine(randomText(60));
        list.AddLine("x");
        for (int step = 0; step < 2000; ++step) {
            const size_t length = list.LineAt(0).size();
            list.ReplaceInLine(0, random() % (length + 1), random() % 4 ? random() % 3 : random() % 20,
                               randomText(random() % 4 ? 2 : 12));
            bool hasTabs = false;
            ASSERT_EQ(list.ExpandedLineLength(0), ExpandedLength(list.LineAt(0), tabWidth, hasTabs))
                << "tab width " << tabWidth << ", step " << step;
            ASSERT_EQ(list.ExpandedLine(0).size(), size_t(list.ExpandedLineLength(0)));
        }
    }
}

// Columns in a long line are counted on from a place remembered near the last one asked
// for. Whatever edits, moves of lines or changes of tab width come between, they must be
// the columns counted from the line start.
TEST(TextBuffer, ColumnsOfALongLineCountedFromARememberedPlaceAreTheCountedOnes) {
    std::mt19937 random(11);
    const char alphabet[] = {'a', 'b', '\t', ' ', '\t', 'c'};
    auto randomText = [&](size_t length) {
        std::string text(length, 'a');
        for (char& c : text) c = alphabet[random() % std::size(alphabet)];
        return text;
    };
    const size_t longLength = TSynEditColumnAnchor::LongLine + 20'000;
    TSynEditStringList list;
    list.AddLine(randomText(longLength));
    list.AddLine(randomText(longLength));
    list.AddLine("short\tline");
    size_t caret = longLength / 2;
    for (int round = 0; round < 1500; ++round) {
        const int32_t index = int32_t(random() % 3);
        const std::string_view line = list.LineAt(index);
        const int tabWidth = random() % 8 ? 8 : int(1 + random() % 5);
        // Mostly near the last place asked for, as a caret moves; sometimes anywhere.
        const int64_t step = random() % 10 == 0 ? int64_t(random() % (line.size() + 10)) - int64_t(caret)
                                                : int64_t(random() % 9001) - 4000;
        caret = size_t(std::clamp<int64_t>(int64_t(caret) + step, 0, int64_t(line.size()) + 5));
        const int32_t x = int32_t(caret + 1);
        ASSERT_EQ(list.CharToColumn(index, x, tabWidth), CharToColumnOf(line, x, tabWidth))
            << "round " << round << ", line " << index << ", character " << x;
        const int32_t column = CharToColumnOf(line, x, tabWidth) + int32_t(random() % 3) - 1;
        ASSERT_EQ(list.ColumnToChar(index, column, tabWidth), ColumnToCharOf(line, column, tabWidth))
            << "round " << round << ", line " << index << ", column " << column;
        switch (random() % 12) {
        case 0:
        case 1:
        case 2: { // typing or deleting around the caret, before or after the remembered place
            const int64_t offset = int64_t(random() % 6200) - 6000;
            const size_t at = size_t(std::clamp<int64_t>(int64_t(caret) + offset, 0, int64_t(line.size())));
            list.ReplaceInLine(index, at, random() % 3, randomText(random() % 3));
            break;
        }
        case 3: list.ReplaceLine(index, randomText(list.LineAt(index).size())); break;
        case 4: list.InsertLineAt(0, randomText(longLength)); break;
        case 5:
            if (list.Count() > 3) list.RemoveLine(0);
            break;
        case 6: list.SwapLines(0, 1); break;
        case 7:
            list.InsertEmptyLines(0, 1);
            list.RemoveLines(0, 1);
            list.InsertLineAt(1, randomText(longLength));
            list.RemoveLines(0, 1);
            break;
        case 8:
            if (random() % 20 == 0) {
                list.Clear();
                list.AddLine(randomText(longLength));
                list.AddLine(randomText(longLength));
                list.AddLine("short\tline");
            }
            break;
        default: break;
        }
    }
}

} // namespace
} // namespace tavlo::test
