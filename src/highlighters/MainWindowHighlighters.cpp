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

void ConfigureMainWindowHtml(TSynHTMLSyn& highlighter) {
    highlighter.AndAttri->SetForeground(clGreen);
    highlighter.CommentAttri->SetForeground(clGray);
    highlighter.IdentifierAttri->SetStyle(0);
    highlighter.KeyAttri->SetForeground(clMaroon);
    highlighter.ValueAttri->SetForeground(clNavy);
}

} // namespace tavlo
