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

void ConfigureMainWindowXml(TSynXMLSyn& highlighter) {
    highlighter.ElementAttri->SetStyle(0);
    highlighter.AttributeValueAttri->SetForeground(clBlack);
    highlighter.CommentAttri->SetBackground(clNone);
    highlighter.CommentAttri->SetStyle(0);
    highlighter.DocTypeAttri->SetForeground(clNone);
    highlighter.DocTypeAttri->SetStyle(0);
    highlighter.SetWantBracesParsed(false);
}

} // namespace tavlo
