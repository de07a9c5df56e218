INSERT INTO vif (id,opis,kontoid,vnalid) VALUES
(1,'Domaći kupci','2100',11),
(2,'Gotovinska prodaja','2110',13),
(3,'Izvoz','2120',12);
