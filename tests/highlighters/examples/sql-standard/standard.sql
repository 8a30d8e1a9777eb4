-- SQL without a vendor's words
create table orders (id integer primary key, placed date, amount decimal(10,2));
insert into orders values (1, '2024-01-31', 99.5);
select o.id, count(*) from orders o
  left join lines l on l.order_id = o.id
  group by o.id having count(*) > 1
  order by o.id desc;
update orders set amount = amount * 1.1 where id in (1, 2);
select varchar, blob, @variable, :host from t;
