#include "app/EditorDocumentView.h"
#include "app/unMain.h"
#include "editor/SynEdit.h"
#include "ui/StatusPanels.h"

#include <QComboBox>

namespace tavlo {

namespace {

// The guess reads the start of the text; a megabyte holds enough letters to tell.
constexpr size_t kGuessSampleBytes = 1 << 20;

} // namespace

void TfrMain::guessStandard() {
    const TSynEditStringList& lines = m_view->Engine().Lines();
    std::string sample;
    for (int32_t i = 0; i < lines.Count() && sample.size() < kGuessSampleBytes; ++i) {
        sample += lines.LineAt(i).substr(0, kGuessSampleBytes);
        sample += '\n';
    }
    m_standardGuess = GuessPolishStandard(sample);
    showStandardHint();
}

void TfrMain::forgetStandardGuess() {
    m_standardGuess.reset();
    showStandardHint();
}

void TfrMain::showStandardHint() {
    QString hint;
    if (m_standardGuess && m_standardGuess->Utf8)
        hint = QStringLiteral("Wygląda na: UTF-8");
    else if (m_standardGuess && m_standardGuess->Standard != ComboBoxCharset->currentIndex())
        hint = QStringLiteral("Wygląda na: ") + ComboBoxCharset->itemText(m_standardGuess->Standard);
    m_status->SetText(pnSpare, hint);
}

void TfrMain::StatusPanelClick(int panel) {
    if (panel != pnSpare || !m_standardGuess || m_standardGuess->Utf8) return;
    // Only the way the bytes are shown changes, never the bytes.
    ComboBoxCharset->setCurrentIndex(m_standardGuess->Standard);
}

} // namespace tavlo
