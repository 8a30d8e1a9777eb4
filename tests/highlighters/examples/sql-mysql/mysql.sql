# a MySQL comment at the start of the line
CREATE TABLE `orders` (
  id INT UNSIGNED NOT NULL AUTO_INCREMENT,
  note TEXT, placed DATETIME,
  PRIMARY KEY (id)
) TYPE=MyISAM;
SELECT CONCAT('it\'s', 'C:\\') FROM orders; # not a comment here
SELECT 'a string \
over two lines' AS note, @session_var, :host;
INSERT INTO orders VALUES (NULL, 'line\n', NOW());
SELECT DATE_FORMAT(placed, '%Y') FROM orders LIMIT 10;
  # indented hash
