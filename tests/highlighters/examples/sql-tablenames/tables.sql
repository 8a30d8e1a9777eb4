-- customer, order_lines and temp#1 are table names; select stays a keyword
select * from customer join order_lines on customer.id = order_lines.customer_id
SELECT * FROM CUSTOMER, Customer, customers, temp#1, temp$1, temp11
