#include <stdio.h>
   #  include "ledger.h"
	#define TWICE(x) ((x) * 2) // doubles its argument
#define NAME /* the name */ "ledger" /* unit */ 1
#define LONG_MACRO(a, b) \
    do { a = b; } \
    while (0)
int x = a # b;
int y = TWICE(3); #define NOT_A_DIRECTIVE
#if defined(WIN32) /* a comment that
   runs over lines */ && !defined(UNIX)
#endif
#define OPEN /* a comment that runs on
   and ends */
int after_open;
#define TAIL /*/ still comment */ tail
#define CONT \
// a comment on the continued line
#define CONT2 \
/* a comment */ value
#pragma pack(push, 1)   
#error unterminated "string in a directive
#   
#
x = '#';
