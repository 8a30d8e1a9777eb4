s = "double"; t = 'single'; u = "it's"; v = 'say "hi"';
w = 'it\'s'; q = "a \"quoted\" word";
path = "C:\\temp\\"; next = 1;
esc = '\\'; after = 2;
empty = ""; empty2 = ''; tripled = """abc"""; x;
open = "runs to the end of the line
nextLine = 'starts as code';
broken = 'ends with a backslash \
y = 'tab\there' + "new\nline";
