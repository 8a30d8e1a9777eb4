PROMPT Oracle sample source
REM a SQL*Plus remark /* not a block comment
REMARK another remark
SET SERVEROUTPUT ON
COLUMN name FORMAT A20
DECLARE
  v_total NUMBER(12,2) := 0;
  v_id    v$session.sid%TYPE;
  CURSOR c_orders IS SELECT * FROM orders WHERE customer_id = :customer;
BEGIN
  SELECT NVL(SUM(price * quantity), 0) INTO v_total FROM order_lines;
  DBMS_OUTPUT.PUT_LINE('Total: ' || TO_CHAR(v_total));
  PRAGMA EXCEPTION_INIT(e_busy, -54);
EXCEPTION
  WHEN NO_DATA_FOUND THEN NULL;
  WHEN TOO_MANY_ROWS THEN RAISE;
END;
/
SPOOL off
select emp#, user$ from sys.user$ where x = @y;
