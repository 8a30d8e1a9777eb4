a = 0x1F + 0XfF + 017 + 08 + 0 + 42 + 1.5e-3f + 10UL + .5 + 3.14;
b = 1e + 12abc + 10LL + 1..2 + 1e10 + 2E+5 + 6.02e23L + 1.f + 100lu;
c = 0x + 0xg + 0x1F.5 + 0x1Fx + 0xFFu + 0xABCDEFul + 0x1e5;
d = 09.5 + 078 + 0.8 + 1e1e1 + 1ff + 1.0fL + 1uu + 10Uf + 5f;
e = 1e+ + 1e+-5 + 2.5E-x + 1.5e3 + 7.e3 + 12_3 + 1.2.3;
f = x.y + obj.member + a...b + .x + 0777 + 00 + 0.0;
