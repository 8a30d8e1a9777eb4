#include "platform/qt/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/qt/CodePageText.h"

namespace tavlo {

namespace {

const QString kBlockFormat = QString::fromLatin1(SynEditBlockFormatName);

const QMimeData* currentData() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->mimeData() : nullptr;
}

// Other programs on this system expect LF line ends in plain text.
std::string withLineFeeds(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) result += text[i];
    return result;
}

} // namespace

bool TQtClipboard::SetTextAndBlock(std::string_view text, std::string_view block) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) return false;
    auto data = std::make_unique<QMimeData>();
    data->setText(TextOfBytes(m_standard, withLineFeeds(text)));
    data->setData(kBlockFormat, QByteArray(block.data(), qsizetype(block.size())));
    clipboard->setMimeData(data.release());
    return true;
}

bool TQtClipboard::HasText() const {
    const QMimeData* data = currentData();
    return data && data->hasText();
}

std::string TQtClipboard::Text() const {
    const QMimeData* data = currentData();
    if (!data) return {};
    // What has no byte in the document's standard shows as '?', so nothing vanishes unseen.
    return BytesOfText(m_standard, data->text(), '?');
}

bool TQtClipboard::HasBlock() const {
    const QMimeData* data = currentData();
    return data && data->hasFormat(kBlockFormat);
}

std::optional<std::string> TQtClipboard::Block() const {
    const QMimeData* data = currentData();
    if (!data || !data->hasFormat(kBlockFormat)) return std::nullopt;
    QByteArray bytes = data->data(kBlockFormat);
    if (bytes.isEmpty()) return std::nullopt;
    return std::string(bytes.constData(), size_t(bytes.size()));
}

} // namespace tavlo
