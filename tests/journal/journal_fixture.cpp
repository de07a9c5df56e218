#include "journal_fixture.h"

#include "data/schema/table_definitions.h"
#include "journal/dataset_reload.h"

namespace tarvo::test {
namespace {

void createTables(const ScratchDatabase& database, std::initializer_list<const char*> tables) {
    db::Connection connection = database.connect();
    for (const char* table : tables) connection.execute(tableDefinition(table));
}

}  // namespace

JournalFixture::JournalFixture()
    : fin(finDb.connect()),
      konto(db::Dataset::query(fin, "select * from " + finDb.name() + ".konto")),
      partner(db::Dataset::query(fin, "select * from " + prDb.name() + ".partner")),
      vrstanal(db::Dataset::query(fin, "select * from " + finDb.name() + ".vrstanal")) {
    createTables(finDb, {"konto", "vrstanal", "nalog", "konnal"});
    createTables(prDb, {"partner", "parametar"});
    createTables(workDb, {"nalog", "konnal"});
    fin.execute("insert into vrstanal (id, opis, id2) values (1,'početno stanje','PS'),(2,'blagajna','BL'),"
                "(6,'izvodi','IZ'),(11,'izlazne fakture','IF')");
    fin.execute("insert into konto (id, naziv) values ('2000','Žiro račun'),('2050','Blagajna'),"
                "('4320','Dobavljači'),('5201','Troškovi'),('6000','Prihodi')");
    fin.execute("insert into " + prDb.name() + ".partner (id, naziv, id2) values (1,'Alfa d.o.o.','A1'),"
                "(2,'Beta','B2')");
    konto.open();
    partner.open();
    vrstanal.open();
    if (!working.srediKonekciju(serverParams())) throw std::runtime_error("no working connection");
    working.setLookupTables(konto, partner, vrstanal);
    working.otvoriTabele();
    recreateEntry(settings);
}

void JournalFixture::recreateEntry(const JournalSettings& newSettings) {
    settings = newSettings;
    entry = std::make_unique<VoucherEntry>(working, fin, BooksNames{finDb.name(), prDb.name(), "", ""}, kYear,
                                           settings, prompt);
    entry->setToday([] { return kToday; });
}

void JournalFixture::postDirectly(long long id, long long vnalid, const std::string& oznaka, const std::string& opis,
                                  const std::vector<BookLine>& lines) {
    double ukdug = 0, ukpot = 0;
    int rbr = 0;
    for (const BookLine& line : lines) {
        ukdug += line.duguje;
        ukpot += line.potrazuje;
        fin.execute("insert into konnal (nalogid, rbr, dokument, opis, kontoid, partnerid, duguje, potrazuje, datum,"
                    " v1) values (" + std::to_string(id) + "," + std::to_string(++rbr) + ",'" + line.dokument +
                    "','knjiženo','" + line.kontoid + "',0," + std::to_string(line.duguje) + "," +
                    std::to_string(line.potrazuje) + ",'2024-02-01','')");
    }
    fin.execute("insert into nalog (id, vnalid, oznaka, opis, datum, ukdug, ukpot) values (" + std::to_string(id) +
                "," + std::to_string(vnalid) + ",'" + oznaka + "','" + opis + "','2024-02-01'," +
                std::to_string(ukdug) + "," + std::to_string(ukpot) + ")");
}

long long JournalFixture::openVoucher(long long vnalid, const std::vector<BookLine>& lines) {
    NewVoucher voucher;
    voucher.vnalid = vnalid;
    voucher.datum = kToday;
    voucher.opis = "test";
    EXPECT_TRUE(entry->startVoucher(voucher).ok());
    for (const BookLine& line : lines) {
        LineInput input = lineOf(line.kontoid, line.duguje, line.potrazuje);
        if (!line.dokument.empty()) input.dokument = line.dokument;
        EXPECT_TRUE(entry->addLine(input).ok());
    }
    return entry->voucherId().value_or(0);
}

void JournalFixture::reloadLines() {
    reloadDataset(entry->lines());
    entry->lines().first();
}

long long JournalFixture::count(const std::string& sql) { return fin.scalar(sql).asInt(); }

LineInput lineOf(const std::string& kontoid, double duguje, double potrazuje) {
    LineInput line;
    line.kontoid = kontoid;
    line.duguje = duguje;
    line.potrazuje = potrazuje;
    return line;
}

}  // namespace tarvo::test
