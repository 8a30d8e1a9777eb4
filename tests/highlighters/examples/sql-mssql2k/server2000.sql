-- Transact-SQL of SQL Server 2000
create function dbo.order_total (@order_no int)
returns table
as return (select sum(price * quantity) as total, count_big(*) as lines
           from order_lines where order_no = @order_no)
go
declare @v sql_variant, @id bigint
set @id = scope_identity()
select @@identity, @@rowcount, getutcdate(), ident_current('orders')
select checksum_agg(binary_checksum(*)) from orders
