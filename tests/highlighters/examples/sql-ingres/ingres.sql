/* Ingres tables and a database procedure */
CREATE TABLE orders (id INTEGER4 NOT NULL, placed DATE, total MONEY, code C(4))
WITH NODUPLICATES\g
CREATE PROCEDURE order_total (order_no INTEGER) AS
DECLARE total FLOAT8;
BEGIN
    SELECT SUM(price) INTO :total FROM order_lines WHERE order_no = :order_no;
    IF total IS NULL THEN total = 0; ENDIF;
    RETURN total;
END;
SELECT _date(_bintim()), squeeze(name), dbmsinfo('username'), @x FROM orders;
