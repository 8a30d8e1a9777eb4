/* a block comment */ int a; /* another
   that runs over
   three lines */ int b;
// a line comment with /* inside
const char* s = "plain" "with \"escaped\" quotes" "back\\slash" "tab\t";
const char* t = "unterminated string
const char* u = "continued \
on the next line \
and one more" ; int c;
const char* v = "ends in two backslashes \\
int d;
char e = 'x', f = '\'', g = '\\', h = '\n', i = 'ab', j = '\x41';
char k = 'unterminated
char l = '\
int m;
/* comment with "string" and 'char' inside */ "string with /* no comment */"
x = a / b; x /= 2; /**/ y; /***/ z; /* * / */ w;
/* Polish: zażółć gęślą jaźń */ "łódź" 'ą';
/* open at the end of the file
