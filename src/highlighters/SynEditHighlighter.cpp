#include "highlighters/SynEditHighlighter.h"

#include <algorithm>
#include <stdexcept>
#include <typeinfo>

namespace tavlo {

TSynCharSet MakeCharSet(std::string_view chars) {
    TSynCharSet set;
    for (char c : chars) set.set(static_cast<unsigned char>(c));
    return set;
}

TSynCharSet CharRange(unsigned char first, unsigned char last) {
    TSynCharSet set;
    for (unsigned c = first; c <= last; ++c) set.set(c);
    return set;
}

const TSynCharSet& IdentifierWordChars() {
    static const TSynCharSet chars = CharRange('0', '9') | CharRange('A', 'Z') | MakeCharSet("_") |
                                     CharRange('a', 'z') | CharRange(192, 214) |
                                     CharRange(216, 246) | CharRange(248, 255);
    return chars;
}

TSynHighlighterAttributes* PickCategory(int index, const TSynCategoryAttributes& byCategory) {
    return index >= 0 && index < static_cast<int>(byCategory.size()) ? byCategory[static_cast<size_t>(index)] : nullptr;
}

// ---- TSynHighlighterAttributes ----

TSynHighlighterAttributes::TSynHighlighterAttributes(std::string name) : m_name(std::move(name)) {}

void TSynHighlighterAttributes::Changed() {
    if (OnChange) OnChange(*this);
}

void TSynHighlighterAttributes::SetBackground(TColor value) {
    if (m_background == value) return;
    m_background = value;
    Changed();
}

void TSynHighlighterAttributes::SetForeground(TColor value) {
    if (m_foreground == value) return;
    m_foreground = value;
    Changed();
}

void TSynHighlighterAttributes::SetStyle(TFontStyles value) {
    if (m_style == value) return;
    m_style = value;
    Changed();
}

void TSynHighlighterAttributes::SnapshotDefaults() {
    m_backgroundDefault = m_background;
    m_foregroundDefault = m_foreground;
    m_styleDefault = m_style;
}

void TSynHighlighterAttributes::Assign(const TSynHighlighterAttributes& source) {
    if (&source == this) return;
    m_name = source.m_name;
    const bool changed = m_background != source.m_background ||
                         m_foreground != source.m_foreground || m_style != source.m_style;
    m_background = source.m_background;
    m_foreground = source.m_foreground;
    m_style = source.m_style;
    if (changed) Changed();
}

// ---- TSynCustomHighlighter ----

namespace {

bool NameLess(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
        return static_cast<unsigned char>(lower(x)) < static_cast<unsigned char>(lower(y));
    });
}

} // namespace

TSynCustomHighlighter::TSynCustomHighlighter() : m_breakChars(MakeCharSet("!\"'()*+,-./:;=?[\\]^{|}")) {}

TSynCustomHighlighter::~TSynCustomHighlighter() {
    while (!m_attributes.empty()) m_attributes.pop_back();
}

int TSynCustomHighlighter::AttributeCount() const { return static_cast<int>(m_attributes.size()); }

TSynHighlighterAttributes* TSynCustomHighlighter::AttributeAt(int index) const {
    if (index < 0 || index >= AttributeCount()) return nullptr;
    return m_attributes[static_cast<size_t>(index)].get();
}

TSynHighlighterAttributes*
TSynCustomHighlighter::RegisterAttribute(std::unique_ptr<TSynHighlighterAttributes> attribute) {
    auto at = std::lower_bound(m_attributes.begin(), m_attributes.end(), attribute->Name(),
                               [](const auto& entry, const std::string& name) {
                                   return NameLess(entry->Name(), name);
                               });
    if (at != m_attributes.end() && !NameLess(attribute->Name(), (*at)->Name()))
        throw std::invalid_argument("String list does not allow duplicates");
    return m_attributes.insert(at, std::move(attribute))->get();
}

TSynHighlighterAttributes* TSynCustomHighlighter::AddAttribute(std::string name, TFontStyles style,
                                                               TColor foreground, TColor background) {
    auto attribute = std::make_unique<TSynHighlighterAttributes>(std::move(name));
    attribute->SetStyle(style);
    attribute->SetForeground(foreground);
    attribute->SetBackground(background);
    return RegisterAttribute(std::move(attribute));
}

void TSynCustomHighlighter::BindAttributeChanges() {
    for (auto it = m_attributes.rbegin(); it != m_attributes.rend(); ++it) {
        (*it)->OnChange = [this](TSynHighlighterAttributes&) { NotifyChangeHooks(); };
        (*it)->SnapshotDefaults();
    }
}

void TSynCustomHighlighter::NotifyChangeHooks() {
    // A hook may add or remove hooks; walk by index over the hooks present at the start.
    const size_t count = m_hooks.size();
    for (size_t i = 0; i < count && i < m_hooks.size(); ++i) {
        TChangeHook hook = m_hooks[i].Hook;
        hook(*this);
    }
}

void TSynCustomHighlighter::AddChangeHook(const void* owner, TChangeHook hook) {
    m_hooks.push_back({owner, std::move(hook)});
}

void TSynCustomHighlighter::RemoveChangeHook(const void* owner) {
    std::erase_if(m_hooks, [owner](const THookEntry& entry) { return entry.Owner == owner; });
}

void TSynCustomHighlighter::SetEnabled(bool value) {
    if (m_enabled == value) return;
    m_enabled = value;
    NotifyChangeHooks();
}

void TSynCustomHighlighter::SetDefaultFilter(std::string filter) { m_defaultFilter = std::move(filter); }
bool TSynCustomHighlighter::StoresFilter() const { return true; }
TSynCharSet TSynCustomHighlighter::WordChars() const { return CharRange(33, 255); }
void TSynCustomHighlighter::SetBreakChars(const TSynCharSet& chars) { m_breakChars = chars; }
std::string TSynCustomHighlighter::SampleText() const { return {}; }
void TSynCustomHighlighter::SetSampleText(const std::string&) {}
TSynHighlighterCapabilities TSynCustomHighlighter::Features() const { return hcRegistry; }
std::string TSynCustomHighlighter::LanguageTitle() const { return "<Unknown>"; }
bool TSynCustomHighlighter::IsReservedWord(std::string_view) const { return false; }
TSynRange TSynCustomHighlighter::CurrentRange() const { return 0; }
void TSynCustomHighlighter::RestoreRange(TSynRange) {}
void TSynCustomHighlighter::ClearRange() {}
bool TSynCustomHighlighter::ApplyColourPreset(int) { return false; }
void TSynCustomHighlighter::ListColourPresets(std::vector<std::string>& list) const { list.clear(); }

void TSynCustomHighlighter::StartLine(std::string_view lineText, int lineIndex) {
    Line = lineText;
    ScanPos = 0;
    LineIndex = lineIndex;
    NextToken();
}

bool TSynCustomHighlighter::ResumesMidLine() const { return false; }

TSynScanState TSynCustomHighlighter::CaptureScanState() const {
    TSynScanState state;
    state.Values[0] = int32_t(CurrentRange());
    return state;
}

// Enough for a language whose state is its range.
void TSynCustomHighlighter::ResumeLine(std::string_view lineText, int lineIndex, size_t offset,
                                       const TSynScanState& state) {
    Line = lineText;
    ScanPos = std::min(offset, lineText.size());
    LineIndex = lineIndex;
    RestoreRange(state.Values[0]);
    NextToken();
}

std::string TSynCustomHighlighter::TokenText() const { return std::string(TokenView()); }
int TSynCustomHighlighter::TokenStart() const { return static_cast<int>(TokenStartPos); }

void TSynCustomHighlighter::SkipToLineEnd() {
    while (!AtLineEnd()) NextToken();
}

bool TSynCustomHighlighter::SharesSampleWith(const TSynCustomHighlighter& source) const {
    return typeid(source) == typeid(*this);
}

void TSynCustomHighlighter::Assign(const TSynCustomHighlighter& source) {
    if (&source == this) return;
    for (const auto& own : m_attributes)
        for (const auto& theirs : source.m_attributes)
            if (theirs->Name() == own->Name()) own->Assign(*theirs);
    if (SharesSampleWith(source)) SetSampleText(source.SampleText());
    m_breakChars = source.m_breakChars;
    m_defaultFilter = source.m_defaultFilter;
    SetEnabled(source.m_enabled);
}

bool TSynCustomHighlighter::LoadAttributesFromStore(TSynAttributeStore& store, const std::string& key) {
    bool loadedAny = false;
    for (const auto& attribute : m_attributes) {
        const std::string attributeKey = key + "\\" + attribute->Name();
        int32_t value = 0;
        if (store.ReadInteger(attributeKey, "Foreground", value)) {
            attribute->SetForeground(value);
            loadedAny = true;
        }
        if (store.ReadInteger(attributeKey, "Background", value)) {
            attribute->SetBackground(value);
            loadedAny = true;
        }
        if (store.ReadInteger(attributeKey, "Style", value)) {
            attribute->SetStyle(static_cast<TFontStyles>(value & 0x0F));
            loadedAny = true;
        }
    }
    return loadedAny;
}

bool TSynCustomHighlighter::SaveAttributesToStore(TSynAttributeStore& store, const std::string& key) const {
    for (const auto& attribute : m_attributes) {
        const std::string attributeKey = key + "\\" + attribute->Name();
        store.WriteInteger(attributeKey, "Foreground", attribute->Foreground());
        store.WriteInteger(attributeKey, "Background", attribute->Background());
        store.WriteInteger(attributeKey, "Style", attribute->Style());
    }
    return true;
}

// ---- class list ----

void TSynHighlighterClassList::Register(const TSynHighlighterClass& highlighterClass) {
    for (const auto& known : m_classes)
        if (known.ClassName == highlighterClass.ClassName) return;
    m_classes.push_back(highlighterClass);
}

const TSynHighlighterClass* TSynHighlighterClassList::FindByShortName(std::string_view shortName) const {
    for (const auto& known : m_classes)
        if (known.ShortName == shortName) return &known;
    return nullptr;
}

TSynHighlighterClassList& HighlighterClassList() {
    static TSynHighlighterClassList list = [] {
        TSynHighlighterClassList builtins;
        RegisterBuiltinHighlighters(builtins);
        return builtins;
    }();
    return list;
}

} // namespace tavlo
