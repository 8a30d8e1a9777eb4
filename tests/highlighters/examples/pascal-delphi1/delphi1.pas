// not a comment in Delphi 1
procedure P; stdcall; cdecl;
finalization
package contains requires overload
x := a / b; y := c // d;
