#include "app/LastPositions.h"

#include <algorithm>

namespace tavlo {

namespace {

// The bracketed time stamp in front of every name.
constexpr int kStampLength = 16;

// Takes numbers off the front of the data, one comma-terminated piece at a time.
class TNumberReader {
public:
    explicit TNumberReader(const QString& data) : m_rest(data) {}

    bool HasComma() const { return m_rest.indexOf(QLatin1Char(','), m_at) >= 0; }

    int Next() {
        const qsizetype comma = m_rest.indexOf(QLatin1Char(','), m_at);
        const int value = numberOr(QStringView(m_rest).mid(m_at, comma - m_at), 1);
        m_at = comma + 1;
        return value;
    }

    int Rest(int fallback) const { return numberOr(QStringView(m_rest).mid(m_at), fallback); }

private:
    static int numberOr(QStringView text, int fallback) {
        bool isNumber = false;
        const int value = text.trimmed().toInt(&isNumber, 10);
        return isNumber ? value : fallback;
    }

    const QString& m_rest;
    qsizetype m_at = 0;
};

bool olderFirst(const TLastPositionEntry& a, const TLastPositionEntry& b) {
    return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
}

} // namespace

QString FormatLastPosition(const TLastPosition& position) {
    QString data;
    const auto add = [&data](int number) {
        data += QString::number(number);
        data += QLatin1Char(',');
    };
    add(position.caretChar.value_or(1));
    add(position.caretLine.value_or(1));
    add(position.topLine.value_or(1));
    add(position.standard);
    add(position.highlighter.value_or(0));
    for (const std::optional<TBookmarkPlace>& bookmark : position.bookmarks) {
        add(bookmark ? bookmark->column : -1);
        add(bookmark ? bookmark->line : -1);
    }
    return data;
}

TLastPosition ParseLastPosition(const QString& data) {
    TLastPosition position;
    TNumberReader reader(data);
    if (reader.HasComma()) position.caretChar = reader.Next();
    if (reader.HasComma()) position.caretLine = reader.Next();
    if (reader.HasComma()) position.topLine = reader.Next();
    position.standard = reader.HasComma() ? reader.Next() : reader.Rest(0);
    if (reader.HasComma()) position.highlighter = reader.Next();
    for (std::optional<TBookmarkPlace>& bookmark : position.bookmarks) {
        const int column = reader.HasComma() ? reader.Next() : -1;
        const int line = reader.HasComma() ? reader.Next() : -1;
        if (column != -1 && line != -1) bookmark = TBookmarkPlace{column, line};
    }
    return position;
}

QByteArray LastPositionName(const QDateTime& written, const QByteArray& fileName) {
    return '[' + written.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + ']' + fileName;
}

QByteArray FileOfLastPositionName(const QByteArray& name) {
    return name.mid(kStampLength);
}

void RememberLastPosition(std::vector<TLastPositionEntry>& entries, const QByteArray& fileName,
                          const QDateTime& now, const TLastPosition& position) {
    // Names compare exactly: two spellings in different letter case are two files here.
    std::erase_if(entries, [&fileName](const TLastPositionEntry& entry) {
        return FileOfLastPositionName(entry.name) == fileName;
    });
    entries.push_back({LastPositionName(now, fileName), FormatLastPosition(position)});
    if (entries.size() <= size_t(LastPositionLimit)) return;
    std::stable_sort(entries.begin(), entries.end(), olderFirst);
    entries.erase(entries.begin(), entries.end() - LastPositionLimit);
}

std::optional<TLastPosition> FindLastPosition(const std::vector<TLastPositionEntry>& entries,
                                              const QByteArray& fileName) {
    const TLastPositionEntry* newest = nullptr;
    for (const TLastPositionEntry& entry : entries)
        if (FileOfLastPositionName(entry.name) == fileName &&
            (!newest || olderFirst(*newest, entry)))
            newest = &entry;
    if (!newest) return std::nullopt;
    return ParseLastPosition(newest->data);
}

} // namespace tavlo
