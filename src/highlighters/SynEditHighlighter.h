// The highlighter framework: token attributes, the line-scanner base class every language
// derives from, and the list of highlighter classes.
#pragma once

#include "editor/SynEditTypes.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

using TSynCharSet = std::bitset<256>;

TSynCharSet MakeCharSet(std::string_view chars);
// The bytes first..last inclusive.
TSynCharSet CharRange(unsigned char first, unsigned char last);

// The identifier characters every language offers the editor's word operations: digits,
// ASCII letters, '_' and the upper Latin-1 letters without #215 and #247.
const TSynCharSet& IdentifierWordChars();

// The range carried from line to line. The line buffer stores it as a signed 32-bit value
// and only compares it for equality, so every language keeps it a small ordinal.
using TSynRange = int32_t;

// A scanner's whole state between two tokens of a line, for a language whose range alone
// does not say everything (flags such as "after property"). With the line and the offset of
// the next token it lets a scan resume in the middle of a long line.
struct TSynScanState {
    std::array<int32_t, 4> Values{};
    friend bool operator==(const TSynScanState&, const TSynScanState&) = default;
};

class TSynHighlighterAttributes {
public:
    using TChangeEvent = std::function<void(TSynHighlighterAttributes&)>;

    explicit TSynHighlighterAttributes(std::string name);

    const std::string& Name() const { return m_name; }
    TColor Background() const { return m_background; }
    TColor Foreground() const { return m_foreground; }
    TFontStyles Style() const { return m_style; }
    void SetBackground(TColor value);
    void SetForeground(TColor value);
    void SetStyle(TFontStyles value);

    // The values that count as unchanged when the main window's form data is written.
    TColor BackgroundDefault() const { return m_backgroundDefault; }
    TColor ForegroundDefault() const { return m_foregroundDefault; }
    TFontStyles StyleDefault() const { return m_styleDefault; }
    void SnapshotDefaults();
    bool IsBackgroundStored() const { return m_background != m_backgroundDefault; }
    bool IsForegroundStored() const { return m_foreground != m_foregroundDefault; }
    bool IsStyleStored() const { return m_style != m_styleDefault; }

    // Copies name, colours and style; notifies once when a colour or the style changed.
    void Assign(const TSynHighlighterAttributes& source);

    TChangeEvent OnChange;

private:
    void Changed();

    TColor m_background = clNone;
    TColor m_backgroundDefault = clNone;
    TColor m_foreground = clNone;
    TColor m_foregroundDefault = clNone;
    std::string m_name;
    TFontStyles m_style = 0;
    TFontStyles m_styleDefault = 0;
};

// Where the attribute colours of a highlighter can be saved and loaded.
class TSynAttributeStore {
public:
    virtual ~TSynAttributeStore() = default;
    virtual bool ReadInteger(const std::string& key, const std::string& name, int32_t& value) = 0;
    virtual void WriteInteger(const std::string& key, const std::string& name, int32_t value) = 0;
};

enum TSynHighlighterCapability : uint8_t { hcUserSettings = 1, hcRegistry = 2 };
using TSynHighlighterCapabilities = uint8_t;

// Indexes of CategoryAttribute.
enum TSynAttributeCategory : int {
    catComment = 0,
    catIdentifier = 1,
    catKeyword = 2,
    catString = 3,
    catWhitespace = 4,
    catSymbol = 5,
};
// A language's attributes in category order, null for a category it lacks.
using TSynCategoryAttributes = std::array<TSynHighlighterAttributes*, catSymbol + 1>;

// The attribute CategoryAttribute answers for `index`, from a language's attributes in the
// order of the categories (null where the language lacks one); null for any other index.
TSynHighlighterAttributes* PickCategory(int index, const TSynCategoryAttributes& byCategory);

// A line scanner. The caller's loop: RestoreRange (or ClearRange), StartLine, then while not
// AtLineEnd read the token and call NextToken; CurrentRange is then the range at the end of
// the line. The line is bytes (zero bytes included) and must stay alive until the next
// StartLine; the scanner never reads past its end.
class TSynCustomHighlighter {
public:
    using TChangeHook = std::function<void(TSynCustomHighlighter&)>;

    TSynCustomHighlighter();
    virtual ~TSynCustomHighlighter();
    TSynCustomHighlighter(const TSynCustomHighlighter&) = delete;
    TSynCustomHighlighter& operator=(const TSynCustomHighlighter&) = delete;

    // Attributes, sorted by name without regard to case.
    virtual int AttributeCount() const;
    virtual TSynHighlighterAttributes* AttributeAt(int index) const;
    virtual TSynHighlighterAttributes* CategoryAttribute(int index) const = 0;

    const std::string& DefaultFilter() const { return m_defaultFilter; }
    virtual void SetDefaultFilter(std::string filter);
    virtual bool StoresFilter() const;
    virtual TSynCharSet WordChars() const;
    const TSynCharSet& BreakChars() const { return m_breakChars; }
    virtual void SetBreakChars(const TSynCharSet& chars);
    virtual std::string SampleText() const;
    virtual void SetSampleText(const std::string& text);
    virtual TSynHighlighterCapabilities Features() const;
    virtual std::string LanguageTitle() const;

    // Scanning.
    virtual void StartLine(std::string_view lineText, int lineIndex);
    virtual void NextToken() = 0;
    virtual bool AtLineEnd() const = 0;
    virtual std::string TokenText() const;
    virtual TSynHighlighterAttributes* TokenAttribute() const = 0;
    virtual int TokenKindOrdinal() const = 0;
    virtual int TokenStart() const;
    virtual bool IsReservedWord(std::string_view word) const;
    virtual TSynRange CurrentRange() const;
    virtual void RestoreRange(TSynRange range);
    virtual void ClearRange();
    // Calls NextToken until AtLineEnd; a language may answer the same without a virtual call
    // per token.
    virtual void SkipToLineEnd();
    // Resuming in the middle of a line, for languages that offer it (ResumesMidLine; the
    // others are always scanned from the line start). CaptureScanState answers the state after
    // the current token, so that ResumeLine at the token's end gives the rest of the tokens
    // exactly as the scan from the line start does; by default that is the range, enough for a
    // language whose range is its whole state between tokens. Such a language decides each
    // token from the captured state and the bytes from ResumeReach bytes before the token's
    // start to ResumeReach bytes after its end.
    static constexpr size_t ResumeReach = 16;
    virtual bool ResumesMidLine() const;
    // Only while a line is being scanned.
    virtual TSynScanState CaptureScanState() const;
    // Starts on the whole line at a token boundary `offset` with a state captured there;
    // TokenStart stays the offset in the whole line.
    virtual void ResumeLine(std::string_view lineText, int lineIndex, size_t offset,
                            const TSynScanState& state);
    // The current token without a copy; valid as long as the line is.
    std::string_view TokenView() const { return Line.substr(TokenStartPos, ScanPos - TokenStartPos); }

    virtual bool ApplyColourPreset(int index);
    virtual void ListColourPresets(std::vector<std::string>& list) const;
    // Each attribute is kept under key\<attribute name> as Foreground, Background and Style.
    // Loading answers false when the store holds nothing for any attribute.
    virtual bool LoadAttributesFromStore(TSynAttributeStore& store, const std::string& key);
    virtual bool SaveAttributesToStore(TSynAttributeStore& store, const std::string& key) const;

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool value);

    // Hooks are called in the order added with this highlighter as sender; `owner` names the
    // hook so that it can be removed (every hook of that owner goes).
    void AddChangeHook(const void* owner, TChangeHook hook);
    void RemoveChangeHook(const void* owner);

    virtual void Assign(const TSynCustomHighlighter& source);

protected:
    // Takes ownership; throws std::invalid_argument when the name is already present.
    TSynHighlighterAttributes* RegisterAttribute(std::unique_ptr<TSynHighlighterAttributes> attribute);
    TSynHighlighterAttributes* AddAttribute(std::string name, TFontStyles style = 0,
                                            TColor foreground = clNone, TColor background = clNone);
    // Routes every attribute's changes to the hook chain and snapshots their defaults.
    void BindAttributeChanges();
    void NotifyChangeHooks();
    // Whether Assign copies the source's sample text (the source is of this class or derived).
    virtual bool SharesSampleWith(const TSynCustomHighlighter& source) const;

    // Scanner state shared by every language.
    bool AtEnd(size_t pos) const { return pos >= Line.size(); }
    // The byte at pos, or 0 past the end; use AtEnd to tell a zero byte from the end.
    unsigned char CharAt(size_t pos) const {
        return pos < Line.size() ? static_cast<unsigned char>(Line[pos]) : 0;
    }
    // Whether the byte `offset` places after the scan position is `c` (false past the line).
    bool FollowedBy(size_t offset, char c) const {
        return !AtEnd(ScanPos + offset) && Line[ScanPos + offset] == c;
    }
    // The end of the line, or a CR or LF: where single-line constructs stop.
    bool AtLineBreak(size_t pos) const {
        return pos >= Line.size() || Line[pos] == '\r' || Line[pos] == '\n';
    }
    // The first line break at or after pos, or the end: found with memchr, so that a comment
    // running to the end of a long line costs little to scan.
    size_t LineBreakFrom(size_t pos) const {
        if (pos >= Line.size()) return Line.size();
        const std::string_view rest = Line.substr(pos);
        return pos + std::min({rest.find('\r'), rest.find('\n'), rest.size()});
    }

    std::string_view Line;
    size_t ScanPos = 0;
    size_t TokenStartPos = 0;
    int LineIndex = 0;

private:
    std::vector<std::unique_ptr<TSynHighlighterAttributes>> m_attributes;
    struct THookEntry {
        const void* Owner;
        TChangeHook Hook;
    };
    std::vector<THookEntry> m_hooks;
    std::string m_defaultFilter;
    TSynCharSet m_breakChars;
    bool m_enabled = true;
};

// One entry of the highlighter class list.
struct TSynHighlighterClass {
    std::string_view ClassName; // "TSynPasSyn"
    std::string_view ShortName; // lower-case folder name of its test samples, "pascal"
    std::span<const std::string_view> KindNames; // by TokenKindOrdinal
    std::unique_ptr<TSynCustomHighlighter> (*Create)();
};

// The global class list: filled with the built-in languages on first use; registering a class
// already present does nothing.
class TSynHighlighterClassList {
public:
    void Register(const TSynHighlighterClass& highlighterClass);
    const std::vector<TSynHighlighterClass>& Classes() const { return m_classes; }
    const TSynHighlighterClass* FindByShortName(std::string_view shortName) const;

private:
    std::vector<TSynHighlighterClass> m_classes;
};

TSynHighlighterClassList& HighlighterClassList();

// Adds every built-in language to the list (one line per language).
void RegisterBuiltinHighlighters(TSynHighlighterClassList& list);

} // namespace tavlo
