<?php
$a = 1; # a hash comment with 'quotes'
$b = 2; // a slash comment /* no block
# comment at the start
$c = $d /* inline */ + $e; $f /= 2; $g = $h / $i;
/* a block comment
   running over
   three lines */ $j = 3; /**/ $k = 4;
/*/ the slash right after the opening does not close it
still inside */ $l = 5;
$m = "# not a comment" . '// nor this';
/*
*/
$last = 6; /* left open at the end of the file
