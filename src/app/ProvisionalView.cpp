#include "app/ProvisionalView.h"

#include "editor/PolishCharsets.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace tavlo {

namespace {

QString decodeLine(std::string_view bytes) {
    const auto& characters = CodePageCharacters(psCp1250);
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    for (size_t i = 0; i < bytes.size(); ++i)
        text[qsizetype(i)] = QChar(characters[static_cast<unsigned char>(bytes[i])]);
    return text;
}

std::string encodeLine(const QString& text) {
    std::string bytes;
    bytes.reserve(size_t(text.size()));
    for (QChar c : text)
        bytes += char(CodePageByte(psCp1250, c.unicode()).value_or('?'));
    return bytes;
}

} // namespace

TProvisionalView::TProvisionalView(QWidget* parent) : m_edit(new QPlainTextEdit(parent)) {
    m_edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    m_edit->setFont(font);
    // Dropped files go to the window, which opens them.
    m_edit->setAcceptDrops(false);
    m_edit->viewport()->setAcceptDrops(false);
    QObject::connect(m_edit, &QPlainTextEdit::textChanged, m_edit, [this] {
        if (m_showing) return;
        m_textEdited = true;
        if (OnChange) OnChange();
    });
    auto statusChanged = [this] {
        if (!m_showing && OnStatusChange) OnStatusChange();
    };
    QObject::connect(m_edit, &QPlainTextEdit::cursorPositionChanged, m_edit, statusChanged);
    QObject::connect(m_edit, &QPlainTextEdit::modificationChanged, m_edit, statusChanged);
}

TProvisionalView::~TProvisionalView() {
    // The widget outlives this object (its parent deletes it); its signals must not reach us.
    QObject::disconnect(m_edit, nullptr, m_edit, nullptr);
}

QWidget* TProvisionalView::Widget() {
    return m_edit;
}

void TProvisionalView::showLines() {
    QStringList lines;
    lines.reserve(m_lines.Count());
    for (int32_t i = 0; i < m_lines.Count(); ++i)
        lines << decodeLine(m_lines.LineAt(i));
    m_showing = true;
    m_edit->setPlainText(lines.join(QLatin1Char('\n')));
    m_edit->document()->setModified(false);
    m_showing = false;
    m_textEdited = false;
    if (OnStatusChange) OnStatusChange();
}

void TProvisionalView::writeBackLines() {
    if (!m_textEdited) return; // untouched lines keep their exact bytes
    m_lines.LockUpdates();
    m_lines.Clear();
    for (QTextBlock block = m_edit->document()->begin(); block.isValid(); block = block.next()) {
        const QStringList parts = block.text().split(QChar::LineSeparator);
        for (const QString& part : parts)
            m_lines.AddLine(encodeLine(part));
    }
    m_lines.UnlockUpdates();
    m_textEdited = false;
}

void TProvisionalView::LoadFromFile(const std::string& fileName) {
    m_lines.LoadFile(fileName);
    showLines();
}

void TProvisionalView::SaveToFile(const std::string& fileName) {
    writeBackLines();
    m_lines.SaveFile(fileName);
}

void TProvisionalView::ClearAll() {
    m_lines.Clear();
    showLines();
}

bool TProvisionalView::Modified() const {
    return m_edit->document()->isModified();
}
void TProvisionalView::SetModified(bool modified) {
    m_edit->document()->setModified(modified);
}

int TProvisionalView::CaretChar() const {
    return m_edit->textCursor().positionInBlock() + 1;
}
int TProvisionalView::CaretLine() const {
    return m_edit->textCursor().blockNumber() + 1;
}
void TProvisionalView::ScrollCaretIntoView() {
    m_edit->ensureCursorVisible();
}

bool TProvisionalView::ReadOnly() const {
    return m_edit->isReadOnly();
}
void TProvisionalView::SetReadOnly(bool readOnly) {
    m_edit->setReadOnly(readOnly);
    if (OnStatusChange) OnStatusChange();
}

int TProvisionalView::FontSize() const {
    return m_edit->font().pointSize();
}
void TProvisionalView::SetFontSize(int points) {
    QFont font = m_edit->font();
    font.setPointSize(points);
    m_edit->setFont(font);
}

} // namespace tavlo
