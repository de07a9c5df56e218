INSERT INTO reval_stope (id,opis,mjesec1,mjesec2,mjesec3,mjesec4,mjesec5,mjesec6,mjesec7,mjesec8,mjesec9,mjesec10,mjesec11,mjesec12) VALUES
(1,'bez revalorizacije',0,0,0,0,0,0,0,0,0,0,0,0);
