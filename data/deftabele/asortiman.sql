INSERT INTO asortiman (id,opis,popust,porez,mozepopustp) VALUES
(1,'Roba - opća stopa PDV-a 17%',0,17,'ne'),
(2,'Usluge - opća stopa PDV-a 17%',0,17,'ne'),
(3,'Oslobođeno PDV-a (0%)',0,0,'ne');
