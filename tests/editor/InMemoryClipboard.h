// The clipboard as a pair of strings; can be told to fail.
#pragma once

#include "platform/Clipboard.h"

namespace tavlo::test {

class InMemoryClipboard : public TClipboard {
public:
    std::optional<std::string> text;
    std::optional<std::string> block;
    bool refuseWrites = false;
    bool unreadableBlock = false;

    bool SetTextAndBlock(std::string_view t, std::string_view b) override {
        if (refuseWrites) return false;
        text = std::string(t);
        block = std::string(b);
        return true;
    }
    bool HasText() const override { return text.has_value(); }
    std::string Text() const override { return text.value_or(std::string()); }
    bool HasBlock() const override { return block.has_value(); }
    std::optional<std::string> Block() const override {
        if (unreadableBlock) return std::nullopt;
        return block;
    }
};

} // namespace tavlo::test
