INSERT INTO tipakmar (id,opis) VALUES
(1,'bez akciznih markica');
