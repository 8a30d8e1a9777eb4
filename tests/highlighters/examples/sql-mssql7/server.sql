-- Transact-SQL of SQL Server 7
declare @count int, @name nvarchar(40)
select @count = count(*) from sysobjects where type = 'U'
if @@error <> 0 or @@rowcount = 0
    raiserror ('nothing found', 16, 1)
select @@unknown_variable, @@version, getdate(), datediff(day, @start, getdate())
select top 10 * from orders with (nolock)
create table t (id uniqueidentifier default newid(), body ntext, stamp timestamp)
select name@server, a@b from t
exec sp_who
