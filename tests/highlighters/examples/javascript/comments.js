x = 1; // a line comment with "quotes" and /* no block
/* a block comment on one line */ y = 2;
/* a block comment
   that runs over
   three lines */ z = 3; /**/ w = 4;
/*/ this slash does not close it
still a comment */ after();
a = b /* inline */ + c; d /= 2; e = f / g;
/* * / and / * are not ends ** */
/*
*/
end(); /* left open at the end of the file
