const
  A = 42; B = 3.14; C = 1.5e-3; D = 2E+10; E = 7e;
  F = $FF; G = $1a2B; H = #13#10; I = #$0D#$0a; J = #;
  Range = 1..10; Sub = 1.5..2;
  S = 'It''s'; T = ''; U = ''''; V = 'a' + 'b';
  W = 'unterminated string runs to the end ;
  X = 12abc; Y = 1e5e5; Z = 10-3; N = 5.;
