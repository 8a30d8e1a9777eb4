// The last-position data and names, and the value-name escaping that lets any path
// through QSettings unchanged.
#include "app/LastPositions.h"
#include "app/SettingsFile.h"
#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

namespace tavlo {
namespace {

TEST(LastPositionData, WritesEveryNumberWithItsCommaAndReadsItBack) {
    TLastPosition position;
    position.caretChar = 5;
    position.caretLine = 120;
    position.topLine = 101;
    position.standard = 0;
    position.highlighter = 2;
    position.bookmarks[1] = TBookmarkPlace{3, 40};
    position.bookmarks[9] = TBookmarkPlace{1, 7};
    const QString data = FormatLastPosition(position);
    EXPECT_EQ(data, "5,120,101,0,2,-1,-1,3,40,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,-1,1,7,");
    EXPECT_EQ(data.count(','), 25);
    EXPECT_EQ(ParseLastPosition(data), position);
}

TEST(LastPositionData, ReadsTheOlderShapeAndDamagedPieces) {
    const TLastPosition older = ParseLastPosition("10,3,1,2");
    EXPECT_EQ(older.caretChar, 10);
    EXPECT_EQ(older.caretLine, 3);
    EXPECT_EQ(older.topLine, 1);
    EXPECT_EQ(older.standard, 2);
    EXPECT_FALSE(older.highlighter);
    for (const auto& bookmark : older.bookmarks)
        EXPECT_FALSE(bookmark);

    // No number reads as 1, except the older shape's last piece, which reads as 0.
    const TLastPosition damaged = ParseLastPosition("x,,99999999999,y");
    EXPECT_EQ(damaged.caretChar, 1);
    EXPECT_EQ(damaged.caretLine, 1);
    EXPECT_EQ(damaged.topLine, 1);
    EXPECT_EQ(damaged.standard, 0);

    const TLastPosition empty = ParseLastPosition("");
    EXPECT_FALSE(empty.caretChar);
    EXPECT_FALSE(empty.caretLine);
    EXPECT_EQ(empty.standard, 0);

    // A bookmark needs both numbers; one of them -1 leaves it free.
    const TLastPosition bookmarks = ParseLastPosition("1,1,1,0,0,4,-1,a,b,-1,9,6,");
    EXPECT_FALSE(bookmarks.bookmarks[0]);
    EXPECT_EQ(bookmarks.bookmarks[1], (TBookmarkPlace{1, 1}));
    EXPECT_FALSE(bookmarks.bookmarks[2]);
    EXPECT_FALSE(bookmarks.bookmarks[3]);

    // Ten thousand numbers: the first 25 count, the rest is ignored.
    QString many;
    for (int i = 0; i < 10000; ++i)
        many += QString::number(i + 2) + ',';
    const TLastPosition longOne = ParseLastPosition(many);
    EXPECT_EQ(longOne.caretChar, 2);
    EXPECT_EQ(longOne.highlighter, 6);
    EXPECT_EQ(longOne.bookmarks[9], (TBookmarkPlace{25, 26}));
}

TEST(LastPositionNames, CarryTheTimeStampBeforeTheFileAndKeepFiftyNewest) {
    const QDateTime noon(QDate(2024, 3, 5), QTime(12, 4, 9));
    const QByteArray name = LastPositionName(noon, "/home/ala/a.pas");
    EXPECT_EQ(name, "[20240305120409]/home/ala/a.pas");
    EXPECT_EQ(FileOfLastPositionName(name), "/home/ala/a.pas");

    std::vector<TLastPositionEntry> entries;
    TLastPosition position;
    for (int i = 0; i < LastPositionLimit; ++i) {
        position.caretLine = i;
        RememberLastPosition(entries, "/f" + QByteArray::number(i), noon.addSecs(i), position);
    }
    ASSERT_EQ(entries.size(), 50u);
    // The same file again replaces its entry and deletes nothing else.
    position.caretLine = 77;
    RememberLastPosition(entries, "/f0", noon.addSecs(100), position);
    ASSERT_EQ(entries.size(), 50u);
    EXPECT_EQ(FindLastPosition(entries, "/f0")->caretLine, 77);
    EXPECT_EQ(FindLastPosition(entries, "/f1")->caretLine, 1);
    // A 51st file pushes out the single oldest, now /f1.
    RememberLastPosition(entries, "/new", noon.addSecs(200), position);
    ASSERT_EQ(entries.size(), 50u);
    EXPECT_FALSE(FindLastPosition(entries, "/f1"));
    EXPECT_TRUE(FindLastPosition(entries, "/f2"));
    EXPECT_TRUE(FindLastPosition(entries, "/new"));
    // Letter case tells files apart.
    EXPECT_FALSE(FindLastPosition(entries, "/NEW"));
}

TEST(ValueNameEscaping, RoundTripsEveryByteAndRejectsForeignNames) {
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += char(b);
    const QByteArray names[] = {
        everyByte,
        "[20240101000000]/home/u/dir with space/a=b;c#d[e]f.txt",
        "[20240101000000]C:\\Windows\\x.ini",
        "/zażółć/gęślą/jaźń/\xff\xfe\x80.c",
        "_5F_already_escaped_looking",
        "",
    };
    for (const QByteArray& name : names) {
        const QString key = EscapeValueName(name);
        for (const QChar c : key)
            EXPECT_TRUE(c.isLetterOrNumber() || c == '_' || c == '.' || c == '-')
                << key.toStdString();
        EXPECT_EQ(UnescapeValueName(key), name) << key.toStdString();
    }
    EXPECT_NE(EscapeValueName("/a/B"), EscapeValueName("/a/b"));
    for (const char* foreign : {"a/b", "a b", "_4", "_4G", "_zz", "ą"})
        EXPECT_FALSE(UnescapeValueName(QString::fromUtf8(foreign))) << foreign;
}

TEST(WindowPlacement, KeepsAFittingWindowAndPullsOthersOntoAScreen) {
    const QList<QRect> screens{{0, 0, 1280, 1024}, {1280, 0, 800, 600}};
    const QSize smallest(200, 150);
    EXPECT_EQ(FitWindowOnScreens(192, 107, 601, 578, smallest, screens), QRect(192, 107, 601, 578));
    // On the second screen it stays there.
    EXPECT_EQ(FitWindowOnScreens(1400, 50, 300, 200, smallest, screens), QRect(1400, 50, 300, 200));
    // Half off the second screen: pulled onto it.
    EXPECT_EQ(FitWindowOnScreens(1900, 500, 300, 200, smallest, screens),
              QRect(1780, 400, 300, 200));
    // Far off every screen: onto the primary one.
    EXPECT_EQ(FitWindowOnScreens(100000, -50000, 601, 578, smallest, screens),
              QRect(679, 0, 601, 578));
    // Absurd sizes: as big as the screen, or the smallest useful window.
    EXPECT_EQ(FitWindowOnScreens(10, 10, 2147483647, 2147483647, smallest, screens),
              QRect(0, 0, 1280, 1024));
    EXPECT_EQ(FitWindowOnScreens(-2147483647 - 1, 10, -5, 0, smallest, screens),
              QRect(0, 10, 200, 150));
    // A screen smaller than the smallest window: the corner stays on the screen.
    EXPECT_EQ(FitWindowOnScreens(50, 50, 100, 100, QSize(1500, 1100), screens),
              QRect(0, 0, 1500, 1100));
    // Without screens (no display) nothing is moved.
    EXPECT_EQ(FitWindowOnScreens(5, 6, 300, 200, smallest, {}), QRect(5, 6, 300, 200));
}

} // namespace
} // namespace tavlo
