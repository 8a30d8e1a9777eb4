inherited Dialog: TDialog
  object Image1: TImage
    Picture.Data = {
      07544269746D617076010000424D760100000000000076000000280000002000
      0000200000000100040000000000000100000000000000000000000000000000
      }
    Glyph.Data = {0A54504E47}
  end
  { a comment over
    two lines } object Label1: TLabel
  end
}stray
end
