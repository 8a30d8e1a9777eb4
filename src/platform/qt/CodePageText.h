// Document bytes to Qt text and back, through the table of a Polish character standard.
#pragma once

#include <QString>
#include <QStringView>

#include <string>
#include <string_view>

namespace tavlo {

QString TextOfBytes(int standard, std::string_view bytes);

// Each character without a byte in the standard becomes `missing`, or is left out when
// `missing` is '\0'; `unmapped` (when given) counts them. A surrogate pair is one character.
std::string BytesOfText(int standard, QStringView text, char missing, int* unmapped = nullptr);

} // namespace tavlo
