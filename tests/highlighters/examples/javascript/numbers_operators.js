a = 0x1F + 0X1f + 0xff; b = 0x; c = 0xg; d = 1.5; e = 1..2; f = 1e5;
g = 12ab; h = 007; i = 1.2.3; j = 0.5; k = 9x1; l = 0x1.8;
i++; i--; i += 1; i -= 1; i *= 2; i %= 3; i /= 4; i &= 5; i |= 6;
p && q || r; p & q | r; a->b; f(...args); a.b; a..b;
x == y; x != y; x <= y; x >= y; x ? y : z; ~x; !x; a[0]; x ^ y;
