function Swap16(Value: Word): Word; assembler;
asm
  mov ax, Value   { operand in AX }
  xchg al, ah     (* swap the
                     two bytes *)
  // nothing else
  mov ecx, 1234H
  and eax, $FFFF
  {$IFDEF CPU386}
  nop
  {$ENDIF}
  { a comment that runs
    over two lines } push ebx
end;

procedure Tail; begin asm int 3 end; x := 'after'; end;

procedure Spaced;
asm
  db 'text', 0
  Asm inc eax
END
