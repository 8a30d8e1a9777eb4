// The system clipboard through Qt: plain text decoded through the document's Polish
// standard, and the editor's private block format carrying the selection mode.
#pragma once

#include "platform/Clipboard.h"

namespace tavlo {

class TQtClipboard : public TClipboard {
public:
    void SetCodePageStandard(int standard) { m_standard = standard; }

    bool SetTextAndBlock(std::string_view text, std::string_view block) override;
    bool HasText() const override;
    std::string Text() const override;
    bool HasBlock() const override;
    std::optional<std::string> Block() const override;

private:
    int m_standard = 0;
};

} // namespace tavlo
