{ a brace comment } x := 1;
(* a paren comment *) y := 2;
// a line comment with { and (* inside
{$R+} {$DEFINE Debug} {$R-}
{ unclosed brace comment
  still comment, begin end
} z := 3;
(* unclosed paren comment
   (* not nested, *) w := 4;
(*) stays open: its own star does not close it
  closed here *) u := 6; (*) also open, then closed (*) t := 7;
{$IFDEF Windows
  continued directive line
 $second char makes this a directive
} v := 5;
{}(**)//
{ ends at line end
