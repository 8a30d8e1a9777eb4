object Form1: TForm1
  Left = 192
  Top = 107
  Width = 544
  Caption = 'Main window'
  Color = clBtnFace
  Font.Height = -11
  OldCreateOrder = False
  PixelsPerInch = 96
  object Button1: TButton
    Caption = 'It''s OK'
    OnClick = Button1Click
  end
end
