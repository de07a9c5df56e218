INSERT INTO vbaze (id,naziv) VALUES
(1,'prodaja'),
(2,'finansije'),
(3,'materijal'),
(4,'opl');
