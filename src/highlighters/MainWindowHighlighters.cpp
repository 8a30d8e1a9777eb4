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
    for (TSynHighlighterAttributes* attribute :
         {highlighter.CommentAttri, highlighter.NumberAttri, highlighter.FloatAttri,
          highlighter.HexAttri, highlighter.OctalAttri, highlighter.StringAttri})
        attribute->SetForeground(clNavy);
    highlighter.DirecAttri->SetForeground(clMaroon);
    highlighter.SymbolAttri->SetForeground(clMaroon);
}

void ConfigureMainWindowCss(TSynCssSyn& highlighter) {
    highlighter.CommentAttri->SetForeground(clGray);
    highlighter.NumberAttri->SetForeground(clNavy);
    highlighter.StringAttri->SetForeground(clNavy);
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

void ConfigureMainWindowJScript(TSynJScriptSyn& highlighter) {
    for (TSynHighlighterAttributes* attribute :
         {highlighter.CommentAttri, highlighter.NumberAttri, highlighter.StringAttri})
        attribute->SetForeground(clNavy);
    highlighter.SymbolAttri->SetForeground(clMaroon);
}

void ConfigureMainWindowPHP(TSynPHPSyn& highlighter) {
    highlighter.CommentAttri->SetForeground(clGray);
    highlighter.NumberAttri->SetForeground(clNavy);
    highlighter.StringAttri->SetForeground(clNavy);
    highlighter.SymbolAttri->SetForeground(clMaroon);
}

void ConfigureMainWindowSQL(TSynSQLSyn& highlighter) {
    highlighter.CommentAttri->SetForeground(clBlue);
    highlighter.NumberAttri->SetForeground(clNavy);
    highlighter.StringAttri->SetBackground(clAqua);
    highlighter.StringAttri->SetForeground(clBlack);
    highlighter.SymbolAttri->SetForeground(clBlack);
    highlighter.TableNameAttri->SetForeground(clGreen);
    highlighter.TableNameAttri->SetStyle(fsUnderline);
    highlighter.VariableAttri->SetForeground(clBlue);
}

void ConfigureMainWindowDfm(TSynDfmSyn& highlighter) {
    for (TSynHighlighterAttributes* attribute :
         {highlighter.CommentAttri, highlighter.NumberAttri, highlighter.StringAttri})
        attribute->SetForeground(clNavy);
}

void ConfigureMainWindowIni(TSynIniSyn& highlighter) {
    highlighter.SectionAttri->SetForeground(clMaroon);
    highlighter.NumberAttri->SetForeground(clNavy);
    highlighter.StringAttri->SetForeground(clNavy);
}

} // namespace tavlo
