/* Sybase stored procedure */
create procedure order_total @order_no int, @total money output
as
begin
    select @total = sum(price * quantity)
      from order_lines
     where order_no = @order_no
    if @@error != 0
        return -1
    print 'Total: %1!', @total
end
go
