#include "platform/qt/SynTextDrawerFonts.h"

#include <QCoreApplication>
#include <QFontMetrics>

#include <algorithm>
#include <cassert>
#include <cstdlib>

namespace tavlo {

namespace {

constexpr int32_t DefaultPixelHeight = 13;

// Positive heights count the whole cell, leading included: shrink the em size to fit.
int pixelSizeFor(int32_t height, QFont font) {
    if (height == 0) return DefaultPixelHeight;
    if (height < 0) return -height;
    font.setPixelSize(height);
    int cell = QFontMetrics(font).height();
    return cell > height ? std::max(1, height * height / cell) : height;
}

void measure(TFontStyleSlot& slot) {
    QFontMetrics metrics(*slot.Font);
    int advance = metrics.horizontalAdvance(QChar('M'));
    slot.Advance = advance > 0 ? advance : metrics.averageCharWidth();
    slot.Height = std::abs(metrics.height());
    slot.Ascent = metrics.ascent();
}

} // namespace

TBaseLogFont NormalisedLogFont(const TFontDesc& font) {
    return {font.Name, font.Height, (font.Style & fsBold) != 0, font.Pitch};
}

QFont MakeQFont(const TBaseLogFont& base, TFontStyles style) {
    QFont font(QString::fromStdString(base.Name));
    font.setKerning(false);
    if (base.Pitch == TFontPitch::Fixed) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    }
    font.setWeight((style & fsBold) ? QFont::Bold : QFont::Normal);
    font.setItalic(style & fsItalic);
    font.setUnderline(style & fsUnderline);
    font.setStrikeOut(style & fsStrikeOut);
    font.setPixelSize(pixelSizeFor(base.Height, font));
    return font;
}

int SharedFontInfo::HandleCount() const {
    return int(std::count_if(StyleSlots.begin(), StyleSlots.end(),
                             [](const TFontStyleSlot& slot) { return slot.Font != nullptr; }));
}

TheFontsInfoManager& TheFontsInfoManager::Instance() {
    static TheFontsInfoManager manager;
    return manager;
}

TheFontsInfoManager::~TheFontsInfoManager() {
    // Fonts must not be freed once the application object is gone: a record still here
    // at that point is left to the end of the process.
    if (!QCoreApplication::instance())
        for (auto& record : m_records)
            (void)record.release();
}

SharedFontInfo* TheFontsInfoManager::AcquireInfo(const TFontDesc& font) {
    TBaseLogFont key = NormalisedLogFont(font);
    auto it = std::find_if(m_records.begin(), m_records.end(),
                           [&](const auto& record) { return record->BaseLogFont == key; });
    SharedFontInfo* info;
    if (it != m_records.end()) {
        info = it->get();
    } else {
        m_records.push_back(std::make_unique<SharedFontInfo>());
        info = m_records.back().get();
        info->BaseLogFont = std::move(key);
    }
    ++info->Users;
    return info;
}

void TheFontsInfoManager::ReleaseInfo(SharedFontInfo* info) {
    if (info->Users >= 2) {
        --info->Users;
        return;
    }
    assert(info->HandleLocks == 0 && "a font record is released while its fonts are locked");
    auto it = std::find_if(m_records.begin(), m_records.end(),
                           [&](const auto& record) { return record.get() == info; });
    assert(it != m_records.end() && "release of an unknown font record");
    if (it != m_records.end()) m_records.erase(it);
}

void TheFontsInfoManager::LockHandles(SharedFontInfo* info) {
    ++info->HandleLocks;
}

void TheFontsInfoManager::UnlockHandles(SharedFontInfo* info) {
    assert(info->HandleLocks > 0 && "unbalanced font handle unlock");
    if (--info->HandleLocks > 0) return;
    for (TFontStyleSlot& slot : info->StyleSlots) {
        slot.Font.reset();
        slot.RawFont = QRawFont();
    }
}

TheFontStock::TheFontStock(const TFontDesc& font) {
    SetBaseFont(font);
}

TheFontStock::~TheFontStock() {
    if (!m_info) return;
    ReleaseHandleLock();
    TheFontsInfoManager::Instance().ReleaseInfo(m_info);
}

void TheFontStock::SetBaseFont(const TFontDesc& font) {
    if (font.Name.empty()) throw EheFontStockException();
    TheFontsInfoManager& manager = TheFontsInfoManager::Instance();
    SharedFontInfo* info = manager.AcquireInfo(font);
    if (info == m_info) {
        manager.ReleaseInfo(info);
        return;
    }
    if (m_info) {
        ReleaseHandleLock();
        manager.ReleaseInfo(m_info);
    }
    m_info = info;
    m_currentSlot = -1;
    SelectStyle(font.Style);
}

void TheFontStock::SelectStyle(TFontStyles style) {
    if (!m_holdsLock) {
        TheFontsInfoManager::Instance().LockHandles(m_info);
        m_holdsLock = true;
    }
    int index = style % FontStyleSlotCount;
    TFontStyleSlot& slot = m_info->StyleSlots[size_t(index)];
    m_currentSlot = index;
    if (slot.Font) return;
    slot.Font = std::make_unique<QFont>(MakeQFont(m_info->BaseLogFont, TFontStyles(index)));
    measure(slot);
    slot.RawFont = QRawFont::fromFont(*slot.Font);
}

void TheFontStock::ReleaseHandleLock() {
    if (!m_holdsLock) return;
    TheFontsInfoManager::Instance().UnlockHandles(m_info);
    m_holdsLock = false;
}

const TFontStyleSlot& TheFontStock::CurrentSlot() const {
    assert(m_currentSlot >= 0 && "no style selected");
    return m_info->StyleSlots[size_t(m_currentSlot)];
}

} // namespace tavlo
