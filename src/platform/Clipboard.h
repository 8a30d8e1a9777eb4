// The system clipboard as the editor engine sees it: plain text and the private block
// format, which carries the selection mode in its first byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavlo {

inline constexpr const char* SynEditBlockFormatName = "SynEdit Control Block Type";

class TClipboard {
public:
    virtual ~TClipboard() = default;

    // Puts both formats on the clipboard in one go; false when the clipboard refused.
    virtual bool SetTextAndBlock(std::string_view text, std::string_view block) = 0;

    virtual bool HasText() const = 0;
    virtual std::string Text() const = 0;
    virtual bool HasBlock() const = 0;
    // The block's bytes (mode byte, text, terminating zero); nullopt when the data
    // announced by HasBlock cannot be read.
    virtual std::optional<std::string> Block() const = 0;
};

} // namespace tavlo
