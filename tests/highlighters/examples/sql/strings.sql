select 'one line' from t
select 'it''s' from t
select 'opened here
continues here
' as text from t
select 'again
'closed by the quote at the start of the line
select "double ""quoted"" name" from t
select "escaped \" quote" from t
select "unterminated double
select 'back\'slash' from t
select '' , '''' from t
select 'open at the end of the file
