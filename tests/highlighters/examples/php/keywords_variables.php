<?php
// Reserved words in any letter case; $while is a variable.
while ($i < 10) { $i++; } WHILE (true) {} While (false) {}
$while = __FILE__ . __LINE__;
function &getList($items) { global $config; static $count = 0; return $items; }
class Basket extends Store { var $items; function Basket() { $this->items = array(); } }
if ($a) echo "yes"; elseif ($b) print "no"; else die("none");
for (;;) { break; continue; } endfor; endif; endwhile; endswitch;
switch ($x) { case 1: default: }
do { exit; } while (0);
include "a.php"; require 'b.php'; include_once 'c.php';
isset($a) and empty($b) or unset($c) xor list($d) == eval($e);
$v = new Basket; $n = (int) $m; $f = (float) $g; $s = (string) $t; $r = (real) $q;
integer double object cfunction old_function const new true false NULL
highlight_file highlight_string show_source highlight_strings __file__
$a->b; $ alone; $$name; $_GET['x']; $obj->method()->chain;
?>
