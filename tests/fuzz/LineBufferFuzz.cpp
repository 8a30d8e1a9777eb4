// The line buffer against a plain model: a load splits the bytes into lines and finds the
// break style as documented, every edit does what the model does or raises the index error
// exactly when the model says the index is bad (and then changes nothing), tab-expanded
// lengths and the longest line agree, and a save writes each line followed by the style's
// break.
#include <algorithm>
#include <sstream>
#include <vector>

#include "FuzzInput.h"
#include "FuzzTargets.h"
#include "editor/SynEditTextBuffer.h"

namespace tavlo::fuzz {
namespace {

struct Model {
    std::vector<std::string> lines;
    TLineBreakStyle style = TLineBreakStyle::CrLf;
};

// A line runs to the next CR or LF; then one CR and one LF are skipped in turn, so CR LF, LF
// and CR each end a line, LF CR ends two, and a final break adds no line. A zero byte is a
// character of its line, so that the file survives a save. Loading and setting the whole
// text cut lines alike; only a load finds the break style.
Model documentedLoad(std::string_view bytes) {
    Model model;
    bool cr = false, lf = false;
    size_t i = 0;
    while (i < bytes.size()) {
        size_t start = i;
        while (i < bytes.size() && bytes[i] != '\n' && bytes[i] != '\r') ++i;
        model.lines.emplace_back(bytes.substr(start, i - start));
        if (i < bytes.size() && bytes[i] == '\r') ++i, cr = true;
        if (i < bytes.size() && bytes[i] == '\n') ++i, lf = true;
    }
    model.style = cr && !lf ? TLineBreakStyle::Cr : lf && !cr ? TLineBreakStyle::Lf : TLineBreakStyle::CrLf;
    return model;
}

int64_t documentedExpandedLength(std::string_view text, int width) {
    if (width <= 1) return int64_t(text.size());
    int64_t column = 0;
    for (char c : text) column += c == '\t' ? width - column % width : 1;
    return column;
}

std::string breakOf(TLineBreakStyle style) {
    switch (style) {
    case TLineBreakStyle::Lf: return "\n";
    case TLineBreakStyle::Cr: return "\r";
    case TLineBreakStyle::CrLf: break;
    }
    return "\r\n";
}

void expectSame(const TSynEditStringList& buffer, const Model& model, const char* after) {
    Expect(buffer.Count() == int32_t(model.lines.size()), std::string("line count after ") + after);
    for (int32_t i = 0; i < buffer.Count(); ++i)
        Expect(buffer.LineAt(i) == model.lines[size_t(i)], std::string("line text after ") + after);
    Expect(buffer.LineAt(-1).empty() && buffer.LineAt(buffer.Count()).empty(), "a line outside the list");
}

// Runs one edit on buffer and model; an edit the model calls invalid must raise the index error.
template <typename Edit>
void edit(TSynEditStringList& buffer, Model& model, bool valid, const char* name, Edit&& change) {
    bool raised = false;
    try {
        change();
    } catch (const ESynEditStringList&) {
        raised = true;
    }
    Expect(raised == !valid, std::string(name) + (valid ? " raised on a good index" : " accepted a bad index"));
    expectSame(buffer, model, name);
}

} // namespace

void FuzzLineBuffer(std::string_view data) {
    FuzzInput in(data);
    const std::string file = in.bytes(4096);
    TSynEditStringList buffer;
    std::istringstream stream(file);
    buffer.LoadStream(stream);
    Model model = documentedLoad(file);
    expectSame(buffer, model, "load");
    Expect(buffer.BreakStyle() == model.style, "break style after load");

    int tabWidth = 8;
    for (int step = 0; step < 64 && !in.empty(); ++step) {
        auto& lines = model.lines;
        const int32_t count = int32_t(lines.size());
        const int32_t index = in.between(-2, count + 2);
        const auto at = [&](int32_t i) { return lines.begin() + i; };
        switch (in.below(11)) {
        case 0: {
            std::string text = in.bytes(40);
            bool append = index == count;
            edit(buffer, model, append || (index >= 0 && index < count), "ReplaceLine", [&] {
                buffer.ReplaceLine(index, text);
                if (append) lines.push_back(text);
                else lines[size_t(index)] = text;
            });
            break;
        }
        case 1: {
            std::string text = in.bytes(40);
            edit(buffer, model, true, "AddLine", [&] {
                Expect(buffer.AddLine(text) == count, "AddLine answers the old count");
                lines.push_back(text);
            });
            break;
        }
        case 2: {
            std::string text = in.bytes(40);
            edit(buffer, model, index >= 0 && index <= count, "InsertLineAt", [&] {
                buffer.InsertLineAt(index, text);
                lines.insert(at(index), text);
            });
            break;
        }
        case 3:
            edit(buffer, model, index >= 0 && index < count, "RemoveLine", [&] {
                buffer.RemoveLine(index);
                lines.erase(at(index));
            });
            break;
        case 4: {
            const int32_t other = in.between(-1, count);
            edit(buffer, model, index >= 0 && index < count && other >= 0 && other < count, "SwapLines", [&] {
                buffer.SwapLines(index, other);
                std::swap(lines[size_t(index)], lines[size_t(other)]);
            });
            break;
        }
        case 5: {
            const int32_t n = in.between(-1, 4);
            const int32_t place = std::clamp(index, 0, count); // callers keep the index in range
            edit(buffer, model, true, "InsertEmptyLines", [&] {
                buffer.InsertEmptyLines(place, n);
                if (n > 0) lines.insert(at(place), size_t(n), std::string());
            });
            break;
        }
        case 6: {
            const int32_t n = in.between(-1, 5);
            edit(buffer, model, n <= 0 || (index >= 0 && index <= count), "RemoveLines", [&] {
                buffer.RemoveLines(index, n);
                if (n > 0) lines.erase(at(index), at(std::min(count, index + n)));
            });
            break;
        }
        case 7:
            tabWidth = in.between(0, 17);
            buffer.ChangeTabWidth(tabWidth);
            break;
        case 8:
            edit(buffer, model, true, "Clear", [&] {
                buffer.Clear();
                lines.clear();
            });
            break;
        case 9: {
            std::string text = in.bytes(200);
            edit(buffer, model, true, "SetAllText", [&] {
                buffer.SetAllText(text);
                lines = documentedLoad(text).lines;
            });
            break;
        }
        case 10: {
            // A run of a line replaced where it is, by new bytes or by a piece of the line itself;
            // an offset or a count past the end is cut at the end.
            const size_t offset = in.below(48), removed = in.below(48);
            const bool ownPiece = in.flag() && index >= 0 && index < count;
            std::string text = ownPiece ? std::string() : in.bytes(40);
            edit(buffer, model, index >= 0 && index < count, "ReplaceInLine", [&] {
                std::string_view piece = text;
                if (ownPiece) {
                    const std::string_view line = buffer.LineAt(index);
                    piece = line.substr(std::min(offset, line.size()) / 2, removed);
                    text = std::string(piece);
                }
                buffer.ReplaceInLine(index, offset, removed, piece);
                std::string& line = lines[size_t(index)];
                const size_t from = std::min(offset, line.size());
                line.replace(from, std::min(removed, line.size() - from), text);
            });
            break;
        }
        }
        int64_t longest = 0;
        for (int32_t i = 0; i < buffer.Count(); ++i) {
            int64_t expected = documentedExpandedLength(lines[size_t(i)], tabWidth);
            Expect(buffer.ExpandedLineLength(i) == expected, "expanded line length");
            Expect(int64_t(buffer.ExpandedLine(i).size()) == expected, "expanded line");
            longest = std::max(longest, expected);
        }
        Expect(buffer.LongestLineLength() == longest, "longest line length");
    }

    std::ostringstream saved;
    buffer.SaveStream(saved);
    std::string expected;
    for (const std::string& line : model.lines) expected += line + breakOf(model.style);
    Expect(saved.str() == expected, "saved bytes: every line followed by the loaded break style");

    // Lines free of breaks load back as they were saved.
    bool plain = std::none_of(model.lines.begin(), model.lines.end(), [](const std::string& line) {
        return line.find_first_of("\r\n") != std::string::npos;
    });
    if (plain) {
        TSynEditStringList reloaded;
        std::istringstream again(saved.str());
        reloaded.LoadStream(again);
        expectSame(reloaded, model, "reloading the saved bytes");
        if (!model.lines.empty()) Expect(reloaded.BreakStyle() == model.style, "break style after reloading");
    }
}

} // namespace tavlo::fuzz
