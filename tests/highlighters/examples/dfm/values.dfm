object Values: TValues
  Real = 1.5
  Range = 1..2
  Exp = 2E10
  Hex = $00FF8000
  Chars = 'Zaż' + #243 + #322'ka'#13#10
  Set = [akLeft, akTop]
  Items.Strings = (
    'one'
    'two')
  Negative = -3
  Ending = ending
  ENDING2 = END
  Objective = Object_1
  Inherit = INHERITED
  Unterminated = 'no closing quote
end
