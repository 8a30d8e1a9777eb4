// The vocabularies of the SQL dialects: comma-separated word lists, each with the token kind
// its words yield, in the order the keyword table is filled.
#pragma once

#include "highlighters/SynHighlighterSQL.h"

#include <span>
#include <string_view>

namespace tavlo {

struct TSQLWordList {
    TSynSQLSyn::TtKind Kind;
    std::string_view Words;
};

std::span<const TSQLWordList> SQLDialectWordLists(TSQLDialect dialect);

} // namespace tavlo
