// Reserved words are compared exactly: Var and IF are identifiers.
var total = 0;
Var x; IF (x) {}
function check(form) {
  if (typeof form == "undefined") return null;
  for (var i in form) { continue; }
  while (true) { break; }
  do { x = new Date(); } while (false);
  switch (x) { case 1: default: }
  try { throw this; } catch (e) {} finally {}
  delete x; void 0; x instanceof Object;
  debugger;
}
class Shape extends Object { constructor() { super(); } static make() {} }
const NaN2 = NaN; let notKeyword = 1;
abstract boolean byte char double enum export final float goto implements import int
interface long native package private protected public short synchronized throws transient
callee prototype start with
