// The remembered place in a recently edited file: where the caret and the view were, the
// Polish standard and highlighter chosen for it and its bookmarks, kept as one line of
// comma-terminated numbers under a name that starts with the time of writing.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace tavlo {

constexpr int LastPositionBookmarkCount = 10;
// How many files are remembered; older entries are dropped.
constexpr int LastPositionLimit = 50;

struct TBookmarkPlace {
    int column = 0;
    int line = 0;
    bool operator==(const TBookmarkPlace&) const = default;
};

struct TLastPosition {
    // Absent in data too short to hold them; the document keeps its own then.
    std::optional<int> caretChar;
    std::optional<int> caretLine;
    std::optional<int> topLine;
    int standard = 0;
    // Absent in the older shape, which ends after the standard.
    std::optional<int> highlighter;
    std::array<std::optional<TBookmarkPlace>, LastPositionBookmarkCount> bookmarks;
    bool operator==(const TLastPosition&) const = default;
};

// "5,120,101,0,2,-1,-1,3,40,...": every number followed by a comma, -1,-1 for a free bookmark.
QString FormatLastPosition(const TLastPosition& position);
// Reads both shapes. A piece that is no number reads as 1 (the standard at the very end of
// the older shape as 0); a bookmark is set when neither of its numbers is -1.
TLastPosition ParseLastPosition(const QString& data);

// "[yyyymmddhhnnss]" followed by the file's name (bytes of the path as the file layer
// takes it), so that names sort by age.
QByteArray LastPositionName(const QDateTime& written, const QByteArray& fileName);
// The file a value name belongs to: everything after the bracketed time stamp.
QByteArray FileOfLastPositionName(const QByteArray& name);

struct TLastPositionEntry {
    QByteArray name;
    QString data;
    bool operator==(const TLastPositionEntry&) const = default;
};

// Replaces the entries of the file (any age) by one written now, then drops the oldest
// entries beyond the limit.
void RememberLastPosition(std::vector<TLastPositionEntry>& entries, const QByteArray& fileName,
                          const QDateTime& now, const TLastPosition& position);
// The newest entry of the file, if any.
std::optional<TLastPosition> FindLastPosition(const std::vector<TLastPositionEntry>& entries,
                                              const QByteArray& fileName);

} // namespace tavlo
