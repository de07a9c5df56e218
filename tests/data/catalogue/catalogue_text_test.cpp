#include <gtest/gtest.h>

#include <stdexcept>

#include "data/catalogue/firma.h"
#include "data/catalogue/host_argument.h"
#include "data/catalogue/sinteticki_podatak.h"
#include "data/catalogue/substitution.h"

using namespace tarvo;

namespace {

TEST(HostArgument, ReadsServerNamesAndPorts) {
    struct Case {
        const char* text;
        bool valid;
        bool portMode;
        unsigned port;
        const char* server;
    };
    const Case cases[] = {
        {"localhost", true, false, 0, "localhost"},
        {"server1", true, false, 0, "server1"},
        {"192.168.1.5", true, false, 0, "192.168.1.5"},
        {"port_3307", true, true, 3307, "localhost"},
        {"port_1", true, true, 1, "localhost"},
        {"port_65535", true, true, 65535, "localhost"},
        {"port_13306", true, true, 13306, "localhost"},
        {"port_65536", false, false, 0, ""},
        {"port_123456", false, false, 0, ""},
        {"port_0", false, false, 0, ""},
        {"port_", false, false, 0, ""},
        {"port_33a", false, false, 0, ""},
        {"port_-1", false, false, 0, ""},
        {"", false, false, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        if (!c.valid) {
            EXPECT_THROW(HostArgument::parse(c.text), std::invalid_argument);
            continue;
        }
        const HostArgument argument = HostArgument::parse(c.text);
        EXPECT_EQ(argument.portMode(), c.portMode);
        EXPECT_EQ(argument.port(), c.port);
        EXPECT_EQ(argument.server(), c.server);
        EXPECT_EQ(argument.text(), c.text);
    }
}

TEST(HostArgument, DecidesServerAndPortOfEveryConnection) {
    db::ConnectionParams base;
    base.host = "127.0.0.1";
    base.port = 4406;
    base.user = "root";

    const db::ConnectionParams port = HostArgument::parse("port_3307").apply(base);
    EXPECT_EQ(port.host, "localhost");
    EXPECT_EQ(port.port, 3307u) << "a port always goes with TCP in the connection layer";

    const db::ConnectionParams named = HostArgument::parse("server1").apply(base);
    EXPECT_EQ(named.host, "server1");
    EXPECT_EQ(named.port, 4406u);

    const db::ConnectionParams local = HostArgument().apply(db::ConnectionParams{});
    EXPECT_EQ(local.host, "localhost");
    EXPECT_EQ(local.port, 0u);
}

TEST(HostArgument, OpensCataloguedDatabasesOnTheRightServer) {
    struct Case {
        const char* argument;
        const char* catalogued;
        const char* expected;
    };
    const Case cases[] = {
        {"server1", "localhost", "server1"},
        {"server1", "db2.firma.ba", "db2.firma.ba"},
        {"server1", "LOCALHOST", "LOCALHOST"},
        {"localhost", "localhost", "localhost"},
        {"localhost", "db2.firma.ba", "db2.firma.ba"},
        {"port_3307", "localhost", "localhost"},
        {"port_3307", "db2.firma.ba", "db2.firma.ba"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.argument) + " / " + c.catalogued);
        EXPECT_EQ(HostArgument::parse(c.argument).hostFor(c.catalogued), c.expected);
    }
}

TEST(Substitution, AppliesPrefixesThenKeysThenRoles) {
    const RoleNames roles{"finansije_7_2021", "materijal_7_2021", "opl_7_2021", "prodaja_7_2021"};
    const SharedTablePrefixes none;
    SharedTablePrefixes all;
    all.artikal = "prodaja_3_2021.";
    all.konto = "finansije_5_2021.";
    all.partner = "prodaja_4_2021.";
    struct Case {
        const char* name;
        const char* sql;
        const SharedTablePrefixes* prefixes;
        std::vector<SqlKey> keys;
        const char* expected;
    };
    const Case cases[] = {
        {"roles", "select * from #db_fin#.konnal k left join #db_pr#.partner p on p.id=k.partnerid", &none, {},
         "select * from finansije_7_2021.konnal k left join prodaja_7_2021.partner p on p.id=k.partnerid"},
        {"every role", "#db_mat#.a #db_op#.b #db_fin#.c #db_pr#.d #db_fin#.e", &none, {},
         "materijal_7_2021.a opl_7_2021.b finansije_7_2021.c prodaja_7_2021.d finansije_7_2021.e"},
        {"placeholders are case-sensitive", "#DB_FIN#.konto #db_Fin#.konto", &none, {},
         "#DB_FIN#.konto #db_Fin#.konto"},
        {"partner prefix before roles", "select * from #db_pr#.partner p", &all, {},
         "select * from prodaja_4_2021.partner p"},
        {"bare table names", "from partner join konto k on (x) where a in (select id from artikal)", &all, {},
         "from prodaja_4_2021.partner join finansije_5_2021.konto k on (x) where a in "
         "(select id from prodaja_3_2021.artikal)"},
        {"alias hit as stored definitions expect", "select x as konto , y from t", &all, {},
         "select x as finansije_5_2021.konto , y from t"},
        {"no prefix set", "select * from #db_pr#.artikal a join konto k", &none, {},
         "select * from prodaja_7_2021.artikal a join konto k"},
        {"key value resolved by roles", "select * from #tabela# where id=#id#", &none,
         {{"tabela", "#db_fin#.nalog", true}, {"id", "12", false}}, "select * from finansije_7_2021.nalog where id=12"},
        {"key values are escaped", "where naziv=\"#p1#\"", &none, {{"p1", "a\"b\\c'd", false}},
         "where naziv=\"a\\\"b\\\\c\\'d\""},
        {"a key may hold a later key", "#k1#", &none, {{"k1", "(#k2#)", true}, {"k2", "x", false}}, "(x)"},
        {"an unknown key stays", "#nema#", &none, {{"k", "v", false}}, "#nema#"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(substituteSql(c.sql, *c.prefixes, c.keys, roles), c.expected);
    }
}

TEST(Substitution, BuildsThePrefixOfABorrowedTable) {
    EXPECT_EQ(sharedTablePrefix("prodaja_7_2021", 7, "3", false), "prodaja_3_2021.");
    EXPECT_EQ(sharedTablePrefix("finansije_7_2017", 7, " 12 ", false), "finansije_12_2017.");
    EXPECT_EQ(sharedTablePrefix("prodaja_7_2021", 7, "0", false), "");
    EXPECT_EQ(sharedTablePrefix("prodaja_7_2021", 7, "", false), "");
    EXPECT_EQ(sharedTablePrefix("x_prodaja", 7, "3", true), "") << "never for archived data";
    EXPECT_THROW(sharedTablePrefix("prodaja_7_2021", 7, "3;drop database ex", false), std::invalid_argument);
    EXPECT_THROW(sharedTablePrefix("prodaja_7_2021", 7, "-3", false), std::invalid_argument);
}

TEST(SintetickiPodatak, ReadsRowAndColumnOfACellReference) {
    struct Case {
        const char* cell;
        int row;
        int column;
    };
    const Case cases[] = {
        {"AB7", 7, 27}, {"b3", 3, 1},     {"A1", 1, 0},       {"Z10", 10, 25},
        {"AA1", 1, 26}, {"zz2", 2, 701},  {"AAA1", 1, 702},   {"XFD1048576", 1048576, 16383},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        const TSintetickiPodatak podatak(c.cell, Value(12.5));
        EXPECT_EQ(podatak.red(), c.row);
        EXPECT_EQ(podatak.kolona(), c.column);
        EXPECT_EQ(podatak.celija(), c.cell);
        EXPECT_EQ(podatak.vrijednost().toNumber(), 12.5);
    }
    for (const char* bad : {"", "7", "AB", "A-1", "A1B", "ABCD1", "Č1"}) {
        SCOPED_TRACE(bad);
        try {
            TSintetickiPodatak podatak(bad, Value());
            ADD_FAILURE() << "accepted";
        } catch (const std::invalid_argument& error) {
            EXPECT_NE(std::string(error.what()).find(std::string("\"") + bad + "\""), std::string::npos);
        }
    }
}

TEST(Firma, DescribesItselfAndResets) {
    TFirma firma(7, "Kelma d.o.o.", 2021, "finansije_7_2021", "materijal_7_2021", "prodaja_7_2021", "opl_7_2021",
                 "localhost", "db2", "localhost", "localhost");
    firma.arhivski = true;
    EXPECT_EQ(firma.opis(),
              "ID:7\nNaziv:Kelma d.o.o.\nGodina:2021\n"
              "db_fin=finansije_7_2021, host=localhost\ndb_mat=materijal_7_2021, host=db2\n"
              "db_pr=prodaja_7_2021, host=localhost\ndb_op=opl_7_2021, host=localhost\n"
              "Arhivski podaci: DA\n");
    firma.reset();
    EXPECT_EQ(firma.id, 0);
    EXPECT_EQ(firma.godina, 0);
    EXPECT_EQ(firma.naziv, "");
    EXPECT_EQ(firma.db(DbRole::Fin) + firma.db_mat + firma.db_pr + firma.db_op, "");
    EXPECT_EQ(firma.hostMat, "db2");

    const TFirma empty;
    EXPECT_EQ(empty.orgTip, "PRED");
    EXPECT_EQ(empty.hostFin + empty.hostMat + empty.hostPr + empty.hostOp, "localhostlocalhostlocalhostlocalhost");
    EXPECT_EQ(empty.zoUlazniObrazac, "c:\\kelma\\zavrsni\\f%s\\ZO_%s_%s.xlsx");
    const TFirma named(3, "X", 2020);
    EXPECT_EQ(named.hostFin, "");
    EXPECT_FALSE(named.arhivski);
}

}  // namespace
