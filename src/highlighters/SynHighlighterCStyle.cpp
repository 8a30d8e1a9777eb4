#include "highlighters/SynHighlighterCStyle.h"

#include "highlighters/SynHighlighterScanning.h"

namespace tavlo {

TSynCStyleScanner::TSynCStyleScanner(TSharedKinds kinds) : CurrentKind(kinds.Null), m_kinds(kinds) {}

TSynHighlighterAttributes* TSynCStyleScanner::CategoryAttribute(int index) const {
    return PickCategory(index, Categories);
}

TSynCharSet TSynCStyleScanner::WordChars() const { return IdentifierWordChars(); }

void TSynCStyleScanner::BuildSharedDispatch(THandler number, THandler identifier) {
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        THandler handler = &TSynCStyleScanner::SymbolProc;
        if (IsBlank(byte)) handler = &TSynCStyleScanner::SpaceProc;
        else if (IsDigit(byte)) handler = number;
        else if (AsciiIdentCharTable[byte]) handler = identifier;
        else if (byte >= 127) handler = &TSynCStyleScanner::UnknownProc;
        CharDispatch[c] = handler;
    }
    CharDispatch['\n'] = &TSynCStyleScanner::LineBreakProc;
    CharDispatch['\r'] = &TSynCStyleScanner::LineBreakProc;
}

void TSynCStyleScanner::SpaceProc() {
    CurrentKind = m_kinds.Space;
    ScanPos = SkipOver(Line, ScanPos + 1, BlankBytes);
}

void TSynCStyleScanner::LineBreakProc() {
    CurrentKind = m_kinds.Space;
    ScanPos += LineBreakLength(Line, ScanPos);
}

void TSynCStyleScanner::UnknownProc() {
    // No byte is a double-byte lead byte in the code pages this editor uses.
    CurrentKind = m_kinds.Unknown;
    ++ScanPos;
}

void TSynCStyleScanner::SymbolOfLength(size_t length) {
    CurrentKind = m_kinds.Symbol;
    ScanPos += length;
}

void TSynCStyleScanner::SymbolProc() { SymbolOfLength(1); }

void TSynCStyleScanner::SymbolOrAssignProc() { SymbolOfLength(CharAt(ScanPos + 1) == '=' ? 2 : 1); }

void TSynCStyleScanner::DoubledOrAssignProc() {
    const unsigned char next = CharAt(ScanPos + 1);
    SymbolOfLength(next == Line[ScanPos] || next == '=' ? 2 : 1);
}

void TSynCStyleScanner::MinusProc() {
    const unsigned char next = CharAt(ScanPos + 1);
    SymbolOfLength(next == '-' || next == '=' || next == '>' ? 2 : 1);
}

} // namespace tavlo
