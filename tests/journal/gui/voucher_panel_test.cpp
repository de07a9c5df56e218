#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <stdexcept>

#include "company_year_fixture.h"
#include "qt_application.h"
#include "journal/gui/tffillandreplace.h"
#include "journal/gui/tfpretraga.h"
#include "journal/gui/tform8.h"
#include "journal/gui/voucher_commands.h"
#include "journal/gui/voucher_panel.h"
#include "journal/voucher_entry.h"
#include "journal/working_database.h"

using namespace tarvo;
using namespace tarvo::journal;

namespace {


constexpr Date kToday{std::chrono::year(2024), std::chrono::month(3), std::chrono::day(15)};

class VoucherPanelTest : public ::testing::Test {
protected:
    VoucherPanelTest() {
        if (!company.opened || !working.srediKonekciju(company.catalogue.dm.connectionParams()))
            throw std::runtime_error("no company year");
        working.setLookupTables(data().MyTable_konto(), data().MyTable_partner(), data().MyTable_vrstanal());
        working.otvoriTabele();
        entry = std::make_unique<VoucherEntry>(working, data().MyConnection2(), booksNamesOf(data()), 2024,
                                               JournalSettings{}, company.prompt);
        entry->setToday([] { return kToday; });
        panel = installVoucherPanel(window, *entry, data(), company.prompt);
        createVoucherMenuActions(*panel, window);
        company.prompt.messages.clear();
        window.resize(1200, 800);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) throw std::runtime_error("window not active");
    }
    ~VoucherPanelTest() override {
        if (entry->isVoucherOpen()) entry->brisiNalog();
    }

    TDataModule1& data() { return company.data; }
    template <class T>
    T* control(const char* name) {
        T* found = window.findChild<T*>(name);
        if (!found) throw std::runtime_error(std::string("no control ") + name);
        return found;
    }
    std::string focusName() const {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName().toStdString() : "(none)";
    }
    void press(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    void type(const char* edit, const QString& text) {
        auto* input = control<QLineEdit>(edit);
        QTest::mouseClick(input, Qt::LeftButton);
        input->selectAll();
        QTest::keyClicks(input, text);
    }
    void startVoucher(long long vnalid) {
        NewVoucher voucher;
        voucher.vnalid = vnalid;
        voucher.datum = kToday;
        ASSERT_TRUE(entry->startVoucher(voucher).ok());
        panel->refresh();
    }
    long long books(const std::string& sql) { return data().MyConnection2().scalar(sql).asInt(); }

    // Runs `act` on the modal window of type W that the next step opens; a window still open afterwards
    // is closed, so that a failed check never leaves the test waiting. The watch ends with the test.
    template <class W>
    void onModal(std::function<void(W&)> act) {
        auto* timer = new QTimer(&window);
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, act, tries = 0]() mutable {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!modal && ++tries < 300) return;
            timer->stop();
            auto* wanted = dynamic_cast<W*>(modal);
            if (wanted) act(*wanted);
            else ADD_FAILURE() << "the expected window did not open";
            if (modal && modal->isVisible()) modal->reject();
        });
        timer->start();
    }

    test::CompanyYear& company = test::companyYear();
    TDMlokalni working{company.prompt, company.catalogue.names.work};
    std::unique_ptr<VoucherEntry> entry;
    QMainWindow window;
    VoucherPanel* panel = nullptr;
};

TEST_F(VoucherPanelTest, CtrlNOpensTheNewVoucherOnTheVoucherTypeBox) {
    struct Case {
        bool nalogKoristiID2;
        const char* focus;
    };
    for (const Case& c : {Case{false, "DBLookupComboBox1"}, Case{true, "DBLookupComboBox4"}}) {
        JournalSettings settings;
        settings.nalogKoristiID2 = c.nalogKoristiID2;
        entry->setSettings(settings);
        panel->refresh();
        ASSERT_FALSE(panel->isVisible());

        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
        ASSERT_TRUE(panel->isVisible()) << c.focus;
        EXPECT_EQ(focusName(), c.focus);
        EXPECT_EQ(control<QLabel>("Label27")->text(), QString::fromUtf8("UNOS NOVOG NALOGA ZA KNJIŽENJE"));
        EXPECT_EQ(control<QComboBox>("DBLookupComboBox1")->currentText(), QString::fromUtf8("početno stanje"));
        EXPECT_EQ(control<QComboBox>("DBLookupComboBox4")->currentText(), "PS");
        EXPECT_EQ(control<QLineEdit>("DBEdit5")->text(), "15.03.24");
        EXPECT_EQ(control<QLineEdit>("DBEdit2")->isEnabled(), !c.nalogKoristiID2);
        EXPECT_FALSE(control<QWidget>("GroupBox2")->isVisible()) << "no lines before the header is saved";

        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
        EXPECT_EQ(entry->mode(), EntryMode::NoviDokument) << "a second Ctrl+N starts nothing";
        press("BitBtn8");
        EXPECT_FALSE(panel->isVisible());
        EXPECT_FALSE(entry->isVoucherOpen());
    }
}

TEST_F(VoucherPanelTest, EnterWalksTheTabOrderAndAnEmptyListDropsDown) {
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    const char* headerOrder[] = {"DBEdit3", "DBEdit4", "DBEdit5", "BitBtn4"};
    for (const char* next : headerOrder) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(focusName(), next);
    }
    EXPECT_FALSE(control<QLineEdit>("DBEdit3")->text().isEmpty()) << "leaving the type box numbers the voucher";

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // presses "potvrdi unos"
    ASSERT_EQ(entry->mode(), EntryMode::Laviranje);
    EXPECT_EQ(focusName(), "BitBtn3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // "nova stavka"
    ASSERT_EQ(entry->mode(), EntryMode::Stavke);
    EXPECT_EQ(focusName(), "DBEdit9");
    for (const char* next : {"DBEdit10", "DBEdit11", "DBEdit12", "DBLookupComboBox2"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(focusName(), next);
    }
    auto* accounts = control<QComboBox>("DBLookupComboBox2");
    QTest::keyClick(accounts, Qt::Key_Return);
    EXPECT_TRUE(accounts->view()->isVisible()) << "the account list without an account drops down";
    accounts->hidePopup();
    EXPECT_EQ(focusName(), "DBLookupComboBox2");
}

TEST_F(VoucherPanelTest, ALetterTypedInThePartnerListOpensTheSearch) {
    db::Connection& pr = data().MyConnection1();
    pr.execute("replace into partner (id, naziv, id2) values (71,'Alfa d.o.o.','AL'),(72,'Beta','BE')");
    data().MyTable_partner().refresh();
    panel->reloadLookups();
    startVoucher(6);
    press("BitBtn3");
    auto* partners = control<QComboBox>("DBLookupComboBox3");
    partners->setFocus();

    onModal<TFPretragaWindow>([](TFPretragaWindow& search) {
        EXPECT_EQ(search.searchBox()->text(), "e");
        QStringList found;
        for (int i = 0; i < search.resultList()->count(); ++i) found << search.resultList()->item(i)->text();
        EXPECT_TRUE(found.filter("Beta").size() == 1 && found.filter("Alfa").isEmpty()) << found.join("|").toStdString();
        QTest::keyClick(search.searchBox(), Qt::Key_Return);
        QTest::keyClick(search.resultList(), Qt::Key_Return);
    });
    QTest::keyClick(partners, Qt::Key_E);
    EXPECT_EQ(entry->lineValue("partnerid").asInt(), 72);
    EXPECT_EQ(partners->currentText(), "Beta");
    EXPECT_EQ(control<QLineEdit>("DBEdit13")->text(), "72");

    QTest::keyClick(partners, Qt::Key_Delete);
    EXPECT_EQ(entry->lineValue("partnerid").asInt(), 0);
    EXPECT_EQ(partners->currentIndex(), -1);
}

TEST_F(VoucherPanelTest, AVoucherTypedThroughTheWidgetsIsPostedIntoTheBooks) {
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    type("DBEdit2", "6");
    EXPECT_EQ(control<QComboBox>("DBLookupComboBox1")->currentText(), "izvodi");
    type("DBEdit4", "izvod 1");
    EXPECT_FALSE(control<QLineEdit>("DBEdit3")->text().isEmpty());
    press("BitBtn4");
    ASSERT_EQ(entry->mode(), EntryMode::Laviranje);
    const long long id = entry->voucherId().value_or(0);

    struct Line {
        const char* konto;
        const char* amountBox;
    };
    for (const Line& line : {Line{"2000", "DBEdit14"}, Line{"4320", "DBEdit15"}}) {
        press("BitBtn3");
        if (std::string(line.konto) == "2000") type("DBEdit9", "uplata kupca");
        type("DBEdit12", line.konto);
        type(line.amountBox, "150,25");
        press("BitBtn2");
        ASSERT_EQ(entry->mode(), EntryMode::Laviranje) << line.konto;
    }
    auto* grid = control<QTableWidget>("DBGrid1");
    ASSERT_EQ(grid->rowCount(), 2);
    EXPECT_EQ(grid->item(0, 7)->text(), "Transakcijski račun");
    EXPECT_EQ(grid->item(1, 3)->text(), "uplata kupca") << "the description is carried over";
    EXPECT_EQ(control<QLineEdit>("DBEdit16")->text(), "150,25");
    EXPECT_EQ(control<QLineEdit>("EditSD")->text().trimmed(), "0,00");
    EXPECT_EQ(control<QLineEdit>("EditSP")->text().trimmed(), "0,00");

    QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_FALSE(entry->isVoucherOpen());
    const std::string n = std::to_string(id);
    EXPECT_EQ(books("select vnalid from nalog where id=" + n), 6);
    EXPECT_EQ(books("select round(ukdug*100) from nalog where id=" + n), 15025);
    EXPECT_EQ(books("select count(*) from konnal where nalogid=" + n + " and ((kontoid='2000' and rbr=1 and "
                    "duguje=150.25) or (kontoid='4320' and rbr=2 and potrazuje=150.25))"),
              2);
    EXPECT_EQ(working.MyConnection1().scalar("select count(*) from konnal where nalogid=" + n).asInt(), 0);
    EXPECT_TRUE(company.prompt.messages.empty()) << company.prompt.messages.front();
}

TEST_F(VoucherPanelTest, IspraviPicksAPostedVoucherOfTheChosenType) {
    db::Connection& fin = data().MyConnection2();
    fin.execute("replace into nalog (id, vnalid, oznaka, opis, datum, ukdug, ukpot) values "
                "(900001,6,'41','izvod','2024-02-01',10,10),(900002,11,'42','faktura','2024-02-02',5,5)");
    fin.execute("delete from konnal where nalogid in (900001,900002)");
    fin.execute("insert into konnal (nalogid, rbr, dokument, opis, kontoid, partnerid, duguje, potrazuje, datum, v1) "
                "values (900001,1,'','a','2000',0,10,0,'2024-02-01',''),(900001,2,'','b','4320',0,0,10,'2024-02-01','')");

    onModal<TForm8Window>([](TForm8Window& picker) {
        EXPECT_EQ(picker.windowTitle(), QString::fromUtf8("IZBOR POSTOJEĆEG DOKUMENTA"));
        picker.typeList()->setCurrentIndex(picker.typeList()->findText("izvodi"));
        picker.izdvoji()->setChecked(true);
        QTableWidget* grid = picker.grid();
        ASSERT_GE(grid->rowCount(), 1);
        for (int row = 0; row < grid->rowCount(); ++row) EXPECT_EQ(grid->item(row, 0)->text(), "6");
        for (int row = 0; row < grid->rowCount(); ++row)
            if (grid->item(row, 7)->text() == "900001") grid->setCurrentCell(row, 0);
        QTest::keyClick(grid, Qt::Key_Return);
    });
    for (QAction* action : window.actions())
        if (action->text() == "Ispravi") action->trigger();

    ASSERT_TRUE(panel->isVisible());
    EXPECT_EQ(entry->voucherId(), 900001);
    EXPECT_EQ(control<QLabel>("Label27")->text(), QString::fromUtf8("ISPRAVKA NALOGA ZA KNJIŽENJE"));
    EXPECT_EQ(control<QTableWidget>("DBGrid1")->rowCount(), 2);
    ASSERT_NE(window.focusWidget(), nullptr);
    EXPECT_EQ(window.focusWidget()->objectName(), "DBLookupComboBox1") << "focus on return to the window";
}

TEST_F(VoucherPanelTest, FillInAColumnChangesEveryLineOfTheVoucher) {
    startVoucher(6);
    for (const char* konto : {"2000", "4320"}) {
        LineInput line;
        line.kontoid = konto;
        line.duguje = 1;
        ASSERT_TRUE(entry->addLine(line).ok());
    }
    panel->refresh();
    auto* grid = control<QTableWidget>("DBGrid1");
    grid->setCurrentCell(0, 3);  // opis

    onModal<TFFillAndReplaceWindow>([](TFFillAndReplaceWindow& change) {
        EXPECT_EQ(change.conditionValue()->text(), "");
        change.fillChoice()->setChecked(true);
        EXPECT_FALSE(change.findInput()->isEnabled());
        auto* replace = qobject_cast<QLineEdit*>(change.replaceInput());
        ASSERT_NE(replace, nullptr);
        replace->setText("novi opis");
        change.izvrsiPromjenu();
    });
    panel->popuniilizamijenivrijednostukoloni1Click();
    ASSERT_EQ(grid->rowCount(), 2);
    for (int row = 0; row < 2; ++row) EXPECT_EQ(grid->item(row, 3)->text(), "novi opis");
    EXPECT_EQ(control<QLineEdit>("DBEdit16")->text(), "2,00") << "totals stay those of the lines";
}

}  // namespace
