INSERT INTO vuf (id,opis,kontoid,vnalid) VALUES
(1,'Roba i materijal','4320',26),
(2,'Usluge','4320',26),
(3,'Osnovna sredstva','4320',26),
(4,'Uvoz','4330',27);
