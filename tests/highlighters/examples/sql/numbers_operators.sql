select 1-2, 1..2, 3.14, 10.5.6, 7-, 2e5
where a = b and c == d and e => f
and g >= h and i >> j and k > l
and m <<= n and o << p and q <= r and s < t
and u || v and w |= x and y | z
and a && b and c &= d and e & f
and g ++ h and i += j and k + l
and m != n and o % p and q *= r and s ^= t and u ! v
and (w) , x ; y . z ~ ? [] {}
