#include "highlighters/SynHighlighterJScript.h"

#include "highlighters/SynHighlighterKeywords.h"
#include "highlighters/SynHighlighterScanning.h"

#include <vector>

namespace tavlo {

namespace {

// Keywords are compared exactly: Date is a browser object, date an identifier.
constexpr std::string_view ReservedWords[] = {
    "abstract", "boolean", "break", "byte", "callee", "case", "catch", "char", "class", "const",
    "constructor", "continue", "debugger", "default", "delete", "do", "double", "else", "enum",
    "export", "extends", "false", "final", "finally", "float", "for", "function", "goto", "if",
    "implements", "import", "in", "instanceof", "int", "interface", "long", "NaN", "native", "new",
    "null", "package", "private", "protected", "prototype", "public", "return", "short", "start",
    "static", "super", "switch", "synchronized", "this", "throw", "throws", "transient", "true",
    "try", "typeof", "var", "void", "while", "with",
};

// The browser's objects, properties and methods.
constexpr std::string_view BrowserWords[] = {
    "abs", "acos", "action", "alert", "align", "alinkColor", "All", "all", "Anchor", "anchor",
    "anchors", "appCodeName", "Applet", "applets", "appName", "appVersion", "Area", "Arguments",
    "arguments", "Array", "asin", "atan", "atan2", "back", "background", "bgColor", "big", "blink",
    "blur", "body", "bold", "Boolean", "border", "bottom", "Button", "call", "caller",
    "captureEvents", "ceil", "charAt", "charCodeAt", "Checkbox", "checked", "clear",
    "clearInterval", "clearTimeout", "click", "close", "closed", "color", "complete", "concat",
    "confirm", "cookie", "cos", "current", "Date", "defaultChecked", "defaultSelected",
    "defaultStatus", "defaultValue", "description", "display", "document", "domain", "E",
    "elements", "Embed", "embeds", "enabledPlugin", "encoding", "escape", "eval", "event", "exp",
    "fgColor", "filename", "FileUpload", "find", "fixed", "Float", "floor", "focus", "fontcolor",
    "fontsize", "Form", "form", "forms", "forward", "Frame", "frames", "fromCharCode", "Function",
    "getDate", "getDay", "getElementById", "getFullYear", "getHours", "getMilliseconds",
    "getMinutes", "getMonth", "getSeconds", "getTime", "getTimezoneOffset", "getUTCDate",
    "getUTCDay", "getUTCFullYear", "getUTCHours", "getUTCMilliseconds", "getUTCMinutes",
    "getUTCMonth", "getUTCSeconds", "getYear", "Global", "go", "handleEvent", "hash", "height",
    "Hidden", "History", "history", "home", "host", "hostname", "href", "hspace", "Image", "images",
    "index", "indexOf", "Infinity", "innerHeight", "innerWidth", "input", "isFinite", "isNaN",
    "italics", "java", "javaEnabled", "join", "lastIndexOf", "lastModified", "Layer", "layers",
    "left", "length", "Link", "link", "linkColor", "links", "LN10", "LN2", "Location", "location",
    "locationbar", "log", "LOG10E", "LOG2E", "logon", "lowsrc", "match", "Math", "max", "MAX_VALUE",
    "menubar", "method", "MimeType", "mimeTypes", "min", "MIN_VALUE", "moveBy", "moveTo", "name",
    "Navigator", "navigator", "NEGATIVE_INFINITY", "netscape", "next", "Null", "Number", "Object",
    "open", "opener", "Option", "options", "outerHeight", "outerWidth", "Packages", "pageX",
    "pageXOffset", "pageY", "pageYOffset", "parent", "parse", "parseFloat", "parseInt", "Password",
    "pathname", "personalbar", "PI", "platform", "Plugin", "plugins", "port", "POSITIVE_INFINITY",
    "pow", "previous", "print", "prompt", "protocol", "Radio", "random", "referrer", "refresh",
    "RegExp", "releaseEvents", "reload", "replace", "Reset", "reset", "resizeBy", "resizeTo",
    "reverse", "right", "round", "routeEvent", "screen", "scroll", "scrollbars", "scrollBy",
    "scrollTo", "search", "Select", "select", "selected", "selectedIndex", "self", "setDate",
    "setFullYear", "setHours", "setInterval", "setMilliseconds", "setMinutes", "setMonth",
    "setSeconds", "setTime", "setTimeout", "setUTCDate", "setUTCFullYear", "setUTCHours",
    "setUTCMilliseconds", "setUTCMinutes", "setUTCMonth", "setUTCSeconds", "setYear", "sin",
    "slice", "small", "sort", "split", "sqrt", "SQRT1_2", "SQRT2", "src", "status", "statusbar",
    "stop", "strike", "String", "style", "sub", "Submit", "submit", "substr", "substring",
    "suffixes", "sup", "tags", "taint", "taintEnabled", "tan", "target", "Text", "text", "Textarea",
    "title", "toGMTString", "toLocaleString", "toLowerCase", "toolbar", "top", "toSource",
    "toString", "toUpperCase", "toUTCString", "type", "Undefined", "undefined", "unescape",
    "untaint", "unwatch", "URL", "userAgent", "UTC", "value", "valueOf", "visibility", "vlinkColor",
    "vspace", "watch", "width", "Window", "window", "write", "writeln", "zIndex",
};

constexpr std::string_view EventWords[] = {
    "onAbort", "onBlur", "onChange", "onClick", "onDblClick", "onError", "onFocus", "onKeyDown",
    "onKeyPress", "onKeyUp", "onLoad", "onMouseDown", "onMouseMove", "onMouseOut", "onMouseOver",
    "onMouseUp", "onReset", "onSelect", "onSubmit", "onUnload",
};

constexpr int KeywordTableSize = 253;

// All three lists in one table; a keyword's kind follows from the list its index falls in.
const TSynKeywordTable& Keywords() {
    static const std::vector<std::string_view> words = [] {
        std::vector<std::string_view> all(std::begin(ReservedWords), std::end(ReservedWords));
        all.insert(all.end(), std::begin(BrowserWords), std::end(BrowserWords));
        all.insert(all.end(), std::begin(EventWords), std::end(EventWords));
        return all;
    }();
    static const TSynKeywordTable table(LetterCharHashTable, KeywordTableSize, words,
                                        TSynKeywordTable::TCompare::Exact);
    return table;
}

TSynJScriptSyn::TtKind KindOfKeyword(int index) {
    constexpr int reserved = static_cast<int>(std::size(ReservedWords));
    constexpr int browser = static_cast<int>(std::size(BrowserWords));
    if (index < reserved) return TSynJScriptSyn::ttKey;
    return index < reserved + browser ? TSynJScriptSyn::ttNonReservedKey : TSynJScriptSyn::ttEvent;
}

std::unique_ptr<TSynCustomHighlighter> CreateJScript() { return std::make_unique<TSynJScriptSyn>(); }

constexpr std::string_view KindNames[] = {"Comment", "Identifier", "Key",     "Null",
                                          "Number",  "Space",      "String",  "Symbol",
                                          "Unknown", "NonReservedKey", "Event"};

} // namespace

const TSynHighlighterClass TSynJScriptSyn::ClassInfo = {"TSynJScriptSyn", "javascript", KindNames,
                                                        &CreateJScript};

TSynJScriptSyn::TSynJScriptSyn() : TSynCStyleScanner({ttNull, ttSpace, ttSymbol, ttUnknown}) {
    CommentAttri = AddAttribute("Comment", fsItalic);
    IdentifierAttri = AddAttribute("Identifier");
    KeyAttri = AddAttribute("Reserved word", fsBold);
    NonReservedKeyAttri = AddAttribute("Non-reserved keyword");
    EventAttri = AddAttribute("Event");
    NumberAttri = AddAttribute("Number");
    SpaceAttri = AddAttribute("Space");
    StringAttri = AddAttribute("String");
    SymbolAttri = AddAttribute("Symbol");
    BindAttributeChanges();
    // Unknown characters have no attribute: they are drawn in the editor's own colours.
    KindAttributes = {CommentAttri, IdentifierAttri, KeyAttri,    nullptr,
                      NumberAttri,  SpaceAttri,      StringAttri, SymbolAttri,
                      nullptr,      NonReservedKeyAttri, EventAttri};
    Categories = {CommentAttri, IdentifierAttri, KeyAttri, StringAttri, SpaceAttri, SymbolAttri};

    BuildSharedDispatch(static_cast<THandler>(&TSynJScriptSyn::NumberProc),
                        static_cast<THandler>(&TSynJScriptSyn::IdentProc));
    for (unsigned char c : std::string_view("#$@\\^`")) CharDispatch[c] = &TSynJScriptSyn::UnknownProc;
    CharDispatch['"'] = static_cast<THandler>(&TSynJScriptSyn::StringProc);
    CharDispatch['\''] = static_cast<THandler>(&TSynJScriptSyn::StringProc);
    for (unsigned char c : std::string_view("%*")) CharDispatch[c] = &TSynJScriptSyn::SymbolOrAssignProc;
    for (unsigned char c : std::string_view("&+|")) CharDispatch[c] = &TSynJScriptSyn::DoubledOrAssignProc;
    CharDispatch['-'] = &TSynJScriptSyn::MinusProc;
    CharDispatch['.'] = static_cast<THandler>(&TSynJScriptSyn::PointProc);
    CharDispatch['/'] = static_cast<THandler>(&TSynJScriptSyn::SlashProc);
    SetDefaultFilter(std::string(BuiltinFilter));
}

// ---- answers ----

std::string TSynJScriptSyn::LanguageTitle() const { return "Javascript"; }

std::string TSynJScriptSyn::SampleText() const {
    return "// Counts the checked boxes\n"
           "function countChecked(form) {\n"
           "  var count = 0, limit = 0x1F;\n"
           "  document.write(\"<p>Checking...</p>\");\n"
           "  for (var i = 0; i < form.elements.length; i++) {\n"
           "    if (form.elements[i].checked) count += 1;\n"
           "    limit--;\n"
           "  }\n"
           "  count = count @ 2; /* illegal character */\n"
           "  return count;\n"
           "}\n"
           "window.onLoad = countChecked;\n";
}

void TSynJScriptSyn::RestoreRange(TSynRange range) {
    // A value no scan produced (a line without a stored range, another language's) starts as code.
    RangeState = range == rgBlockComment ? rgBlockComment : rgNone;
}

// ---- scanning ----

void TSynJScriptSyn::NextToken() {
    if (!StartToken()) return;
    if (RangeState == rgBlockComment) BlockCommentProc();
    else Dispatch();
}

void TSynJScriptSyn::PointProc() {
    SymbolOfLength(CharAt(ScanPos + 1) == '.' && CharAt(ScanPos + 2) == '.' ? 3 : 1);
}

void TSynJScriptSyn::SlashProc() {
    switch (CharAt(ScanPos + 1)) {
    case '/':
        CurrentKind = ttComment;
        ScanPos = FindLineBreak(Line, ScanPos);
        break;
    case '*':
        CurrentKind = ttComment;
        RangeState = rgBlockComment;
        // The search starts after the "*", so "/*/" stays open.
        ScanPos += 2;
        if (ScanPastCommentCloser(Line, ScanPos)) RangeState = rgNone;
        break;
    case '=': SymbolOfLength(2); break;
    default: SymbolOfLength(1); break;
    }
}

void TSynJScriptSyn::BlockCommentProc() {
    CurrentKind = ttComment;
    // A line break that starts a continuation belongs to the comment.
    if (AtLineBreak(ScanPos)) ++ScanPos;
    if (ScanPastCommentCloser(Line, ScanPos)) RangeState = rgNone;
}

void TSynJScriptSyn::StringProc() {
    CurrentKind = ttString;
    const char delimiter = Line[ScanPos];
    size_t pos = ScanPos;
    // A tripled delimiter opens the string.
    if (CharAt(pos + 1) == delimiter && CharAt(pos + 2) == delimiter) pos += 2;
    // Strings end with their line. A backslash escapes the character after it, so "\'" does
    // not close a string and "\\" before the delimiter does not keep it open.
    for (++pos; !AtLineBreak(pos) && Line[pos] != delimiter; ++pos)
        if (Line[pos] == '\\' && !AtLineBreak(pos + 1)) ++pos;
    // The closing delimiter, or the line break that ended the string, is part of the token.
    ScanPos = AtEnd(pos) ? pos : pos + 1;
}

void TSynJScriptSyn::NumberProc() {
    CurrentKind = ttNumber;
    const size_t start = ScanPos;
    bool hexadecimal = false;
    for (++ScanPos; !AtEnd(ScanPos); ++ScanPos) {
        const unsigned char c = CharAt(ScanPos);
        if (IsDigit(c)) continue;
        if (c == '.') {
            // "1..2" is a number, two dots and a number.
            if (CharAt(ScanPos + 1) == '.') return;
        } else if (IsHexDigit(c)) {
            // No exponent: in 1e5 the number is 1.
            if (!hexadecimal) return;
        } else if ((c | 0x20) == 'x') {
            const unsigned char next = CharAt(ScanPos + 1);
            if (ScanPos != start + 1 || Line[start] != '0' || !IsHexDigit(next)) return;
            hexadecimal = true;
        } else {
            return;
        }
    }
}

void TSynJScriptSyn::IdentProc() {
    const size_t wordStart = ScanPos;
    int hash = 0;
    ScanPos = ScanWord(Line, wordStart, AsciiWordHashes, hash);
    const int keyword = Keywords().Find(hash, Line.substr(wordStart, ScanPos - wordStart));
    CurrentKind = keyword < 0 ? ttIdentifier : KindOfKeyword(keyword);
}

} // namespace tavlo
