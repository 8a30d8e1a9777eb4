<?php
$a = 'single'; $b = "double"; $c = 'it\'s'; $d = "say \"hi\"";
$e = 'C:\\temp\\'; $f = "ends with backslash\\"; $g = 1;
$sql = "SELECT *
  FROM t WHERE name = \"x\"
  AND path = 'C:\\'\\" . $h;
$text = 'first line
it\'s the second line
and the last';
$html = "<a href=\"#top\">top</a>";
$j = '' . ""; $k = "\n\t$var {$arr['key']}";
$open = "this string is never closed
$still = 'inside the string';
