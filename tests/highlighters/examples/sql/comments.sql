-- a line comment with 'quotes' and /* stars */
select 1 -- trailing comment
/* a block comment on one line */ select 2
select 3 /* opened here
   still in the comment -- not a line comment
   and closed */ select 4
/**/ select 5 /*/ still open
*/
a / b /= c - d
/* unterminated at the end of the file
