BEGIN begin Begin bEgIn
begin_ begin1 if2x _begin end_ End
stdcall cdecl safecall overload reintroduce deprecated platform finalization
package contains requires resourcestring stringresource dispinterface threadvar
a := b; c <= d; e <> f; g >= h; i > j; k < l;
x[(.i.)] := @@p; q := @r^; s := t.u; v := w / z;
x | y ! z ~ `a` "b" % & ? \ = + - * , ) ]
on Of oR xor shl SHR div MOD in is as not nil
