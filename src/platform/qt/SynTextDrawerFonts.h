// Fonts for the text drawer: one shared record per distinct font for the whole process,
// holding up to sixteen style variants made on first use, each with its character cell.
#pragma once

#include <QFont>
#include <QRawFont>

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/TextDrawer.h"

namespace tavlo {

class EheFontStockException : public std::invalid_argument {
public:
    EheFontStockException() : std::invalid_argument("SetBaseFont: 'Value' must be specified.") {}
};

// A font with the style flags a variant sets for itself left out, so every description
// of the same font compares equal.
struct TBaseLogFont {
    std::string Name;
    int32_t Height = 0;
    bool Bold = false;
    TFontPitch Pitch = TFontPitch::Default;
    friend bool operator==(const TBaseLogFont&, const TBaseLogFont&) = default;
};

TBaseLogFont NormalisedLogFont(const TFontDesc& font);

// One style variant of a font, made when first selected.
struct TFontStyleSlot {
    std::unique_ptr<QFont> Font; // none until needed, or after the handles were released
    QRawFont RawFont;            // the font's glyphs, for runs placed cell by cell
    int32_t Advance = 0;
    int32_t Height = 0;
    int32_t Ascent = 0;
};

constexpr int FontStyleSlotCount = 16; // every combination of bold, italic, underline, strike-out

struct SharedFontInfo {
    int32_t Users = 0;
    // Holders keeping the style fonts alive; the last to let go deletes them.
    int32_t HandleLocks = 0;
    TBaseLogFont BaseLogFont;
    std::array<TFontStyleSlot, FontStyleSlotCount> StyleSlots;

    int HandleCount() const;
};

class TheFontsInfoManager {
public:
    static TheFontsInfoManager& Instance();
    ~TheFontsInfoManager();

    // The record of the font, made if none exists yet; counts one more user.
    SharedFontInfo* AcquireInfo(const TFontDesc& font);
    // One user less; the last one frees the record.
    void ReleaseInfo(SharedFontInfo* info);
    void LockHandles(SharedFontInfo* info);
    void UnlockHandles(SharedFontInfo* info);

    int RecordCount() const { return int(m_records.size()); }

private:
    TheFontsInfoManager() = default;
    std::vector<std::unique_ptr<SharedFontInfo>> m_records;
};

// One drawer's view of the shared fonts: the current record and style.
class TheFontStock {
public:
    explicit TheFontStock(const TFontDesc& font);
    ~TheFontStock();
    TheFontStock(const TheFontStock&) = delete;
    TheFontStock& operator=(const TheFontStock&) = delete;

    // Throws EheFontStockException for a font without a name.
    void SetBaseFont(const TFontDesc& font);
    void SelectStyle(TFontStyles style);
    // Lets the record delete its style fonts once no stock holds them.
    void ReleaseHandleLock();

    const TFontStyleSlot& CurrentSlot() const;
    int32_t CellAdvance() const { return CurrentSlot().Advance; }
    int32_t CellHeight() const { return CurrentSlot().Height; }
    SharedFontInfo* Info() const { return m_info; }

private:
    SharedFontInfo* m_info = nullptr;
    int m_currentSlot = -1;
    bool m_holdsLock = false;
};

// The font in the given style; the style alone decides the weight.
QFont MakeQFont(const TBaseLogFont& base, TFontStyles style);

} // namespace tavlo
