#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "company_year_fixture.h"
#include "data/db/dataset.h"
#include "journal/fill_replace.h"
#include "journal/tables/code_tables.h"
#include "journal/tables/field_text.h"
#include "journal/tables/table_file.h"

using namespace tarvo;
using namespace tarvo::tables;

namespace {

class CodeTables : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(company.opened) << (company.prompt.messages.empty() ? "" : company.prompt.messages.back());
        company.prompt.messages.clear();
        company.prompt.questions.clear();
        company.prompt.answers.clear();
    }
    std::string lastMessage() const { return prompt().messages.empty() ? "" : prompt().messages.back(); }
    ScriptedPrompt& prompt() const { return company.prompt; }
    db::Connection& fin() { return company.data.MyConnection2(); }
    db::Connection& pr() { return company.data.MyConnection1(); }
    std::string checksum(db::Connection& connection, const std::string& table) {
        return connection.query("checksum table " + table).at(0, 1).asString();
    }
    long long count(db::Connection& connection, const std::string& sql) { return connection.scalar(sql).asInt(); }

    // A new partner typed into the editor; true when it was saved.
    bool addPartner(PartnerEditor& editor, const std::string& naziv, const std::string& id2,
                    const std::string& identbroj = "") {
        EXPECT_TRUE(editor.dodaj());
        EXPECT_TRUE(editor.setInput("naziv", naziv));
        EXPECT_TRUE(editor.setInput("id2", id2));
        EXPECT_TRUE(editor.setInput("identbroj", identbroj));
        return editor.potvrdi().saved;
    }

    test::CompanyYear& company = test::companyYear();
};

TEST_F(CodeTables, ButtonStatesFollowTheOperations) {
    auto editor = vrstaNalEditor(company.data, prompt());
    ASSERT_TRUE(editor->otvori());
    ASSERT_FALSE(editor->dataset().isEmpty()) << "default voucher types";
    const ButtonStates browsing{false, true, true, false, true, true, false};
    const ButtonStates editing{true, false, false, true, false, false, true};

    EXPECT_FALSE(editor->aktiviraj()) << "not called for a value";
    EXPECT_EQ(editor->buttons(), browsing);
    ASSERT_TRUE(editor->dodaj());
    EXPECT_EQ(editor->buttons(), editing);
    EXPECT_FALSE(editor->dodaj()) << "no second insert while one is open";
    editor->otkazi();
    EXPECT_EQ(editor->buttons(), browsing);
    ASSERT_TRUE(editor->ispravka());
    EXPECT_EQ(editor->buttons(), editing);
    editor->otkazi();
    ASSERT_TRUE(editor->kopiraj());
    EXPECT_EQ(editor->inputText("id"), "") << "a copy leaves the key empty";
    EXPECT_EQ(editor->inputText("opis"), editor->dataset().valueAt(editor->dataset().position(), "opis").asString());
    EXPECT_EQ(editor->buttons(), editing);
    ASSERT_TRUE(editor->setInput("opis", "Kopija"));
    ASSERT_TRUE(editor->potvrdi().saved);
    EXPECT_EQ(editor->buttons(), browsing);
    EXPECT_EQ(editor->inputText("opis"), "Kopija") << "the saved copy is current";

    prompt().answers = {false, true};
    EXPECT_FALSE(editor->brisi()) << "answered No";
    EXPECT_TRUE(editor->brisi());
    EXPECT_EQ(prompt().questions, (std::vector<std::string>(2, "Zaista želite obrisati odabranu stavku?")));
    EXPECT_EQ(count(fin(), "select count(*) from vrstanal where opis='Kopija'"), 0);
}

TEST_F(CodeTables, CalledForAValueStartsOneRecordAndReturnsItsKey) {
    auto editor = vrstaNalEditor(company.data, prompt());
    editor->setCalledForValue(true);
    ASSERT_TRUE(editor->otvori());
    EXPECT_TRUE(editor->aktiviraj());
    EXPECT_TRUE(editor->inserting());
    editor->otkazi();
    EXPECT_FALSE(editor->aktiviraj()) << "a later activation starts nothing";
    EXPECT_FALSE(editor->inserting());

    ASSERT_TRUE(editor->dodaj());
    ASSERT_TRUE(editor->setInput("opis", "Nova vrsta"));
    ASSERT_TRUE(editor->potvrdi().saved);
    const std::optional<std::string> key = editor->vratiSe();
    ASSERT_TRUE(key);
    EXPECT_EQ(fin().scalar("select opis from vrstanal where id=" + *key).asString(), "Nova vrsta");
    EXPECT_EQ(editor->returnedKey(), key);
    fin().execute("delete from vrstanal where id=" + *key);
}

TEST_F(CodeTables, TextKeysChangeOnlyTheirOwnRow) {
    company.setAccounts({"200", "0200", "A1", "B2"});
    auto editor = kontoEditor(company.data, prompt());
    ASSERT_TRUE(editor->otvori());
    db::Dataset& konto = editor->dataset();

    ASSERT_TRUE(konto.locate("id", "A1"));
    ASSERT_TRUE(editor->ispravka());
    ASSERT_TRUE(editor->setInput("naziv", "Promijenjen"));
    ASSERT_TRUE(editor->potvrdi().saved);
    EXPECT_EQ(count(fin(), "select count(*) from konto where naziv='Promijenjen'"), 1);
    EXPECT_EQ(fin().scalar("select naziv from konto where id='B2'").asString(), "Konto B2");

    ASSERT_TRUE(konto.locate("id", "0200"));
    prompt().answers = {true};
    ASSERT_TRUE(editor->brisi());
    EXPECT_EQ(count(fin(), "select count(*) from konto"), 3);
    EXPECT_EQ(count(fin(), "select count(*) from konto where id='200'"), 1);

    ASSERT_TRUE(editor->dodaj());
    ASSERT_TRUE(editor->setInput("id", "C3"));
    ASSERT_TRUE(editor->setInput("naziv", "Treći"));
    ASSERT_TRUE(editor->potvrdi().saved);
    EXPECT_EQ(editor->inputText("naziv"), "Treći");
    EXPECT_EQ(editor->vratiSe(), "C3");

    ASSERT_TRUE(editor->dodaj());
    ASSERT_TRUE(editor->setInput("id", "C3"));
    EXPECT_FALSE(editor->potvrdi().saved) << "the server refuses a duplicate code";
    EXPECT_TRUE(editor->inserting()) << "the record stays in editing";
    EXPECT_NE(lastMessage().find("Duplicate"), std::string::npos) << lastMessage();
    editor->otkazi();

    auto parameters = parameterEditor(company.data, prompt(), company.catalogue.names);
    ASSERT_TRUE(parameters->otvori());
    const long long before = count(pr(), "select count(*) from parametar where value='x'");
    ASSERT_TRUE(parameters->dodaj());
    ASSERT_TRUE(parameters->setInput("id", "tabeleTest"));
    ASSERT_TRUE(parameters->setInput("value", "1"));
    ASSERT_TRUE(parameters->potvrdi().saved);
    ASSERT_TRUE(parameters->ispravka());
    ASSERT_TRUE(parameters->setInput("value", "x"));
    ASSERT_TRUE(parameters->potvrdi().saved);
    EXPECT_EQ(count(pr(), "select count(*) from parametar where value='x'"), before + 1);
    prompt().answers = {true};
    ASSERT_TRUE(parameters->brisi());
    EXPECT_EQ(count(pr(), "select count(*) from parametar where id='tabeleTest'"), 0);
    EXPECT_GT(count(pr(), "select count(*) from parametar"), 0) << "the other parameters are still there";
}

TEST_F(CodeTables, PartnerRules) {
    pr().execute("delete from partner");
    company.data.MyTable_partner().refresh();
    auto editor = partnerEditor(company.data, prompt());
    ASSERT_TRUE(editor->otvori());

    ASSERT_TRUE(editor->dodaj());
    for (auto [field, value] : {std::pair{"oblast", "FBiH"}, {"dob_kuf", "u PDV"}, {"rokpldana", "7"}, {"drzava", "BiH"}})
        EXPECT_EQ(editor->inputText(field), value) << field;
    editor->otkazi();

    ASSERT_TRUE(addPartner(*editor, "Prvi", "AB01"));
    EXPECT_EQ(pr().scalar("select concat(oblast,'/',dob_kuf,'/',rokpldana,'/',drzava) from partner").asString(),
              "FBiH/u PDV/7/BiH");
    const std::string refusal = "Ažuriranje nemoguće:\n\rVeć postoji partner sa istom ID2 šifrom!\n\rTabela:partner";
    EXPECT_FALSE(addPartner(*editor, "Drugi", "AB01"));
    EXPECT_EQ(lastMessage(), refusal);
    EXPECT_TRUE(editor->inserting()) << "a refused partner stays in editing";
    ASSERT_TRUE(editor->setInput("id2", "AB02"));
    ASSERT_TRUE(editor->potvrdi().saved);

    ASSERT_TRUE(editor->dataset().locate("id2", "AB01"));
    ASSERT_TRUE(editor->ispravka());
    ASSERT_TRUE(editor->setInput("mjesto", "Tuzla"));
    EXPECT_TRUE(editor->potvrdi().saved) << "its own code does not count as a duplicate";
    ASSERT_TRUE(editor->ispravka());
    ASSERT_TRUE(editor->setInput("id2", "AB02"));
    const ConfirmResult duplicate = editor->potvrdi();
    EXPECT_FALSE(duplicate.saved);
    EXPECT_EQ(duplicate.focusField, "id2");
    EXPECT_EQ(lastMessage(), refusal);
    editor->otkazi();

    EXPECT_TRUE(addPartner(*editor, "Bez šifre 1", ""));
    EXPECT_TRUE(addPartner(*editor, "Bez šifre 2", "")) << "partners without a code are not duplicates";
    EXPECT_TRUE(addPartner(*editor, "O\"Brien", "Q\"'\\"));
    EXPECT_EQ(count(pr(), "select count(*) from partner where id2 is null"), 2);
    EXPECT_EQ(pr().scalar("select naziv from partner where id2='Q\"\\'\\\\'").asString(), "O\"Brien");

    editor->setIdentBrojObavezan(true);
    EXPECT_FALSE(addPartner(*editor, "Bez broja", "AB03"));
    EXPECT_EQ(lastMessage(), PartnerEditor::kIdentBrojMissing);
    ConfirmResult missing = editor->potvrdi();
    EXPECT_EQ(missing.focusField, "identbroj");
    ASSERT_TRUE(editor->setInput("identbroj", "4200000000001"));
    ASSERT_TRUE(editor->potvrdi().saved);

    editor->dataset().setIndexFields("id");
    const std::optional<std::string> key = editor->vratiSe();
    ASSERT_TRUE(key);
    EXPECT_EQ(pr().scalar("select naziv from partner where id=" + *key).asString(), "Bez broja");
    EXPECT_EQ(editor->dataset().indexFields(), "naziv") << "the partner list is ordered by name again";
}

TEST_F(CodeTables, AtGivesTheNextFreeSecondaryCode) {
    pr().execute("delete from partner");
    pr().execute("insert into partner (naziv, id2) values ('a','AB099'), ('b','AB098'), ('c','A%1'), ('d','AZ9'),"
                 " ('e','Q\"5')");
    company.data.MyTable_partner().refresh();
    auto editor = partnerEditor(company.data, prompt());
    ASSERT_TRUE(editor->otvori());
    EXPECT_EQ(editor->nextFreeId2("AB"), "AB100");
    EXPECT_EQ(editor->nextFreeId2("AB0"), "AB0100") << "the typed text is kept whole";
    EXPECT_EQ(editor->nextFreeId2("A%"), "A%2") << "% is no wildcard";
    EXPECT_EQ(editor->nextFreeId2("Q\""), "Q\"6");
    EXPECT_EQ(editor->nextFreeId2("ZZ"), "1");
    pr().execute("delete from partner");
    EXPECT_EQ(editor->nextFreeId2(""), "1") << "empty table";
    EXPECT_TRUE(prompt().messages.empty()) << lastMessage();
}

TEST_F(CodeTables, SortByColumnTitles) {
    company.setAccounts({"3000", "1000", "2000"});
    fin().execute("update konto set naziv=case id when '3000' then 'A' when '1000' then 'B' else 'A' end");
    auto editor = kontoEditor(company.data, prompt());
    ASSERT_TRUE(editor->otvori());
    EXPECT_EQ(editor->sortiraj("naziv", false), "Tabela sortirana po kolonama: \"naziv\"");
    EXPECT_EQ(editor->sortiraj("id", true), "Tabela sortirana po kolonama: \"naziv;id\"");
    const db::Dataset& konto = editor->dataset();
    std::vector<std::string> order;
    for (size_t i = 0; i < konto.recordCount(); ++i) order.push_back(konto.valueAt(i, "id").asString());
    EXPECT_EQ(order, (std::vector<std::string>{"2000", "3000", "1000"}));
    EXPECT_EQ(editor->sortiraj("id", false), "Tabela sortirana po kolonama: \"id\"");
    EXPECT_EQ(editor->sortiraj("nema", false), std::nullopt);
    editor->dataset().setIndexFields("id");
}

TEST_F(CodeTables, TableFileRoundTripAndDamagedFile) {
    company.setAccounts({"1000", "2000", "2020", "4320"});
    fin().execute("update konto set naziv='Dobavljači \\'d.o.o.\\'' where id='4320'");
    auto editor = kontoEditor(company.data, prompt());
    editor->setFileSuffix("_PRED");
    ASSERT_TRUE(editor->otvori());
    const std::string original = checksum(fin(), "konto");

    editor->snimiTabeluUFajl();
    EXPECT_EQ(lastMessage(), "OK");
    const std::filesystem::path file = company.familyFolder / "tabele" / "konto_PRED.sql";
    ASSERT_TRUE(std::filesystem::exists(file));

    fin().execute("delete from konto where id='2000'");
    fin().execute("update konto set naziv='x'");
    const std::string changed = checksum(fin(), "konto");
    ASSERT_NE(changed, original);
    editor->ucitajTabeluIzFajla();
    EXPECT_EQ(lastMessage(), "OK");
    EXPECT_EQ(checksum(fin(), "konto"), original);
    EXPECT_EQ(editor->dataset().recordCount(), 4u) << "the data set is read again";

    std::ifstream in(file, std::ios::binary);
    const std::string dump((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    fin().execute("delete from konto where id='2000'");
    const std::string beforeLoad = checksum(fin(), "konto");
    const size_t values = dump.find("VALUES");
    ASSERT_NE(values, std::string::npos);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << dump.substr(0, values + 12);
    editor->ucitajTabeluIzFajla();
    EXPECT_EQ(lastMessage().rfind("GREŠKA!", 0), 0u) << lastMessage();
    EXPECT_NE(lastMessage().find("konto_PRED_rezerva.sql"), std::string::npos) << "the message names the backup";
    EXPECT_EQ(checksum(fin(), "konto"), beforeLoad) << "a damaged file leaves the table as it was";
    EXPECT_EQ(editor->dataset().recordCount(), 3u);

    std::ofstream(file, std::ios::binary | std::ios::trunc) << "DROP TABLE IF EXISTS `vrstanal`;\n" << dump;
    const std::string vrstanal = checksum(fin(), "vrstanal");
    editor->ucitajTabeluIzFajla();
    EXPECT_EQ(lastMessage().rfind("GREŠKA!", 0), 0u) << lastMessage();
    EXPECT_EQ(checksum(fin(), "vrstanal"), vrstanal) << "a file for another table is refused";
    EXPECT_EQ(checksum(fin(), "konto"), beforeLoad);
}

TEST_F(CodeTables, PrintOfTheChartOfAccounts) {
    std::vector<std::string> codes;
    for (int i = 0; i < 100; ++i) codes.push_back(std::to_string(5000 + i * 7));
    company.setAccounts(codes);
    auto editor = kontoEditor(company.data, prompt());
    ASSERT_TRUE(editor->otvori());
    EXPECT_EQ(fieldSize(*editor->column("naziv")), 60u) << "the column step counts characters";
    const std::filesystem::path pdf = company.familyFolder / "kontni_plan.pdf";
    ASSERT_TRUE(editor->stampaj(pdf, false)) << lastMessage();

    EXPECT_EQ(std::system(("qpdf --check '" + pdf.string() + "' > /dev/null").c_str()), 0);
    const std::filesystem::path text = company.familyFolder / "kontni_plan.txt";
    ASSERT_EQ(std::system(("pdftotext '" + pdf.string() + "' '" + text.string() + "'").c_str()), 0);
    std::ifstream in(text);
    const std::string printed((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(printed.find("KONTNI PLAN"), std::string::npos);
    for (const std::string& code : codes) EXPECT_NE(printed.find(code), std::string::npos) << code;
    EXPECT_NE(printed.find("Konto 5693"), std::string::npos);
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\f'), 3) << "100 lines take three pages";
}

TEST_F(CodeTables, FillOrReplaceInAColumn) {
    company.setAccounts({"1000", "2000", "3000"});
    auto editor = kontoEditor(company.data, prompt());
    ASSERT_TRUE(editor->otvori());
    ASSERT_TRUE(editor->dataset().locate("id", "2000"));

    std::unique_ptr<TFFillAndReplace> key = editor->popuniIliZamijeni("id");
    ASSERT_TRUE(key);
    key->FormActivate(today());
    EXPECT_FALSE(key->fillAllowed());
    key->setMode(TFFillAndReplace::Mode::Fill);
    key->setReplaceText("9");
    EXPECT_EQ(key->izvrsiPromjenu(), std::nullopt);
    EXPECT_EQ(count(fin(), "select count(*) from konto where id in ('1000','2000','3000')"), 3);
    key->setMode(TFFillAndReplace::Mode::Replace);
    EXPECT_EQ(key->findText(), "2000");
    key->setReplaceText("2001");
    EXPECT_EQ(key->izvrsiPromjenu(), 1u) << "a key is replaced value by value";
    EXPECT_EQ(count(fin(), "select count(*) from konto where id='2001'"), 1);

    std::unique_ptr<TFFillAndReplace> names = editor->popuniIliZamijeni("naziv");
    ASSERT_TRUE(names);
    names->FormActivate(today());
    names->setMode(TFFillAndReplace::Mode::Fill);
    names->setReplaceText("Isti \"naziv\"");
    EXPECT_EQ(names->izvrsiPromjenu(), 3u);
    EXPECT_EQ(count(fin(), "select count(*) from konto where naziv='Isti \"naziv\"'"), 3);
    EXPECT_EQ(editor->inputText("naziv"), "Isti \"naziv\"") << "the data set is read again";

    auto vouchers = std::make_unique<TableEditor>(company.data.MyTable_nalog(), fin(), prompt(), TableEditorSetup{});
    ASSERT_TRUE(vouchers->otvori());
    EXPECT_EQ(vouchers->popuniIliZamijeni("nazivVrsteNaloga"), nullptr);
    EXPECT_EQ(lastMessage(), "Pomoćne kolone ne možete mijenjati ovom opcijom!");
}

TEST_F(CodeTables, ParameterCopiedIntoTheOtherCompanies) {
    test::ScratchDatabase other("pc");
    db::Connection target = other.connect();
    target.execute("create table parametar (id char(30) not null default '-NN-', value char(100) not null default '',"
                   " primary key (id))");
    const std::string ex = company.catalogue.names.ex;
    pr().execute("insert into " + ex + ".baza (naziv, vbid, fid, godina, status) values ('" + other.name() +
                 "', 1, " + std::to_string(company.fid) + ", 2023, 'stara')");
    pr().execute("replace into parametar (id, value) values ('kopijaTest', 'vrijednost')");

    auto editor = parameterEditor(company.data, prompt(), company.catalogue.names);
    ASSERT_TRUE(editor->otvori());
    ASSERT_TRUE(editor->dataset().locate("id", "kopijaTest"));
    prompt().answers = {true};
    const std::optional<CopyToAllResult> result = editor->kopirajUSveFirme();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->failures(), 0u);
    EXPECT_EQ(target.scalar("select value from parametar where id='kopijaTest'").asString(), "vrijednost");
    EXPECT_EQ(lastMessage(), "Kopiranje završeno!");
    pr().execute("delete from " + ex + ".baza where naziv='" + other.name() + "'");
    pr().execute("delete from parametar where id='kopijaTest'");
}

TEST_F(CodeTables, TableThatCannotBeOpenedIsReported) {
    db::Dataset missing = db::Dataset::table(fin(), "nema_tabele");
    TableEditor editor(missing, fin(), prompt(), {"AŽURIRANJE NEČEG", {}, {}});
    EXPECT_FALSE(editor.otvori());
    EXPECT_EQ(lastMessage(), "Ne mogu otvoriti tabelu! BAZA:" + company.data.db_fin + " TABELA:nema_tabele");
    EXPECT_EQ(editor.printTitle(), "PREGLED NEČEG");
    EXPECT_FALSE(editor.dodaj());
}

}  // namespace
