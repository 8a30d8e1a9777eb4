#include "highlighters/MainWindowHighlighters.h"

namespace tavlo {

void ConfigureMainWindowPascal(TSynPasSyn& highlighter) {
    for (TSynHighlighterAttributes* attribute :
         {highlighter.CommentAttri, highlighter.DirectiveAttri, highlighter.NumberAttri,
          highlighter.FloatAttri, highlighter.HexAttri, highlighter.StringAttri})
        attribute->SetForeground(clNavy);
}

void ConfigureMainWindowSchema(TSynSchSyn& highlighter) {
    ConfigureMainWindowPascal(highlighter);
    highlighter.SectionAttri->SetForeground(clMaroon);
}

void ConfigureMainWindowCpp(TSynCppSyn& highlighter) {
    highlighter.SetDefaultFilter(std::string(TSynCppSyn::BuiltinFilter));
    for (TSynHighlighterAttributes* attribute :
         {highlighter.CommentAttri, highlighter.NumberAttri, highlighter.FloatAttri,
          highlighter.HexAttri, highlighter.OctalAttri, highlighter.StringAttri})
        attribute->SetForeground(clNavy);
    highlighter.DirecAttri->SetForeground(clMaroon);
    highlighter.SymbolAttri->SetForeground(clMaroon);
}

} // namespace tavlo
