INSERT INTO placanje (id,opis,id2) VALUES
(1,'Gotovina','Gotovina'),
(2,'Virman','Virman'),
(3,'Kartica','Kartica'),
(4,'Ček','Ček');
