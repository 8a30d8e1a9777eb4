// Schema highlighter: Object Pascal plus INI-style section headers starting at offset 0.
#pragma once

#include "highlighters/SynHighlighterPas.h"

namespace tavlo {

class TSynSchSyn : public TSynPasSyn {
public:
    static constexpr int ttSection = ttChar + 1;
    static const TSynHighlighterClass ClassInfo;

    TSynSchSyn();

    TSynHighlighterAttributes* SectionAttri;

    std::string SampleText() const override;

private:
    void SectionOpenProc();
};

} // namespace tavlo
