// Every highlighter of the class list (the first byte picks one, so a language registered
// later is fuzzed without a change here) on any lines: tokens are non-empty, of a known kind,
// and cover each line exactly; the end of a line is stable; and a line scanned alone from the
// range stored for it gives the tokens and end range of the scan from the top.
#include <vector>

#include "FuzzTargets.h"
#include "highlighters/SynEditHighlighter.h"

namespace tavlo::fuzz {
namespace {

struct Token {
    size_t Start;
    std::string_view Text;
    int Kind;
    std::string_view Attribute; // the name: each instance has attributes of its own
    bool operator==(const Token&) const = default;
};

std::vector<Token> scanLine(TSynCustomHighlighter& highlighter, const TSynHighlighterClass& info,
                            std::string_view line, int index) {
    std::vector<Token> tokens;
    highlighter.StartLine(line, index);
    size_t covered = 0;
    const std::string where = std::string(info.ClassName) + " line " + std::to_string(index);
    for (; !highlighter.AtLineEnd(); highlighter.NextToken()) {
        const TSynHighlighterAttributes* attribute = highlighter.TokenAttribute();
        Token token{size_t(highlighter.TokenStart()), highlighter.TokenView(), highlighter.TokenKindOrdinal(),
                    attribute ? std::string_view(attribute->Name()) : std::string_view()};
        Expect(token.Start == covered, where + ": a gap or overlap before a token");
        Expect(!token.Text.empty(), where + ": an empty token");
        Expect(token.Text == line.substr(token.Start, token.Text.size()), where + ": a token that is not the line's text");
        Expect(token.Kind >= 0 && size_t(token.Kind) < info.KindNames.size(), where + ": an unknown token kind");
        Expect(tokens.size() <= line.size(), where + ": more tokens than bytes");
        covered += token.Text.size();
        tokens.push_back(token);
    }
    Expect(covered == line.size(), where + ": the tokens do not reach the end of the line");
    const int end = highlighter.TokenStart();
    highlighter.NextToken();
    Expect(highlighter.AtLineEnd() && highlighter.TokenStart() == end, where + ": a step past the end moved");
    return tokens;
}

} // namespace

void FuzzHighlighter(std::string_view data) {
    const auto& classes = HighlighterClassList().Classes();
    if (data.empty() || classes.empty()) return;
    const TSynHighlighterClass& info = classes[uint8_t(data[0]) % classes.size()];
    data.remove_prefix(1);
    // Lines end at LF only, so that CR and zero bytes reach the scanners inside lines too.
    std::vector<std::string_view> lines;
    for (size_t start = 0;;) {
        size_t end = data.find('\n', start);
        lines.push_back(data.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }

    auto fromTop = info.Create();
    fromTop->ClearRange();
    std::vector<TSynRange> ranges;
    std::vector<std::vector<Token>> tokens;
    for (size_t i = 0; i < lines.size(); ++i) {
        ranges.push_back(fromTop->CurrentRange());
        tokens.push_back(scanLine(*fromTop, info, lines[i], int(i)));
    }
    ranges.push_back(fromTop->CurrentRange());

    auto alone = info.Create();
    for (size_t i = 0; i < lines.size(); ++i) {
        alone->RestoreRange(ranges[i]);
        const std::string where = std::string(info.ClassName) + " line " + std::to_string(i);
        Expect(scanLine(*alone, info, lines[i], int(i)) == tokens[i], where + ": other tokens from the stored range");
        Expect(alone->CurrentRange() == ranges[i + 1], where + ": another end range from the stored range");
    }
}

} // namespace tavlo::fuzz
