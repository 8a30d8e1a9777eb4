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

void ConfigureMainWindowSQL(TSynSQLSyn& highlighter) {
    highlighter.SetDefaultFilter("SQL Files (*.sql)|*.sql");
    highlighter.CommentAttri->SetForeground(clBlue);
    highlighter.NumberAttri->SetForeground(clNavy);
    highlighter.StringAttri->SetBackground(clAqua);
    highlighter.StringAttri->SetForeground(clBlack);
    highlighter.SymbolAttri->SetForeground(clBlack);
    highlighter.TableNameAttri->SetForeground(clGreen);
    highlighter.TableNameAttri->SetStyle(fsUnderline);
    highlighter.VariableAttri->SetForeground(clBlue);
    highlighter.SetSQLDialect(sqlSybase);
}

void ConfigureMainWindowDfm(TSynDfmSyn& highlighter) {
    highlighter.SetDefaultFilter("Borland Form Files (*.dfm;*.xfm)|*.dfm;*.xfm");
    for (TSynHighlighterAttributes* attribute :
         {highlighter.CommentAttri, highlighter.NumberAttri, highlighter.StringAttri})
        attribute->SetForeground(clNavy);
}

void ConfigureMainWindowIni(TSynIniSyn& highlighter) {
    highlighter.SetDefaultFilter("INI Files (*.ini)|*.ini");
    highlighter.SectionAttri->SetForeground(clMaroon);
    highlighter.NumberAttri->SetForeground(clNavy);
    highlighter.StringAttri->SetForeground(clNavy);
}

} // namespace tavlo
