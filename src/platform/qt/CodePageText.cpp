#include "platform/qt/CodePageText.h"

#include "editor/PolishCharsets.h"

namespace tavlo {

QString TextOfBytes(int standard, std::string_view bytes) {
    const auto& table = CodePageCharacters(standard);
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (char byte : bytes) *out++ = QChar(table[static_cast<unsigned char>(byte)]);
    return text;
}

std::string BytesOfText(int standard, QStringView text, char missing, int* unmapped) {
    std::string bytes;
    bytes.reserve(size_t(text.size()));
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        std::optional<unsigned char> byte;
        if (!c.isSurrogate()) byte = CodePageByte(standard, c.unicode());
        if (byte) {
            bytes += char(*byte);
            continue;
        }
        ++count;
        if (missing != '\0') bytes += missing;
    }
    if (unmapped) *unmapped = count;
    return bytes;
}

} // namespace tavlo
