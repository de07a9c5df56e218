#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "company_year_fixture.h"
#include "qt_application.h"
#include "data/db/dataset.h"
#include "journal/gui/code_table_editors.h"
#include "journal/gui/tformazkonto.h"
#include "journal/gui/tformazpartner.h"

using namespace tarvo;
using namespace tarvo::journal;

namespace {


class TableWindows : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(company.opened);
        company.prompt.messages.clear();
    }
    static void showActive(QWidget& window) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    static QLineEdit* edit(TFormAzTab& window, const std::string& field) {
        return qobject_cast<QLineEdit*>(window.inputFor(field));
    }

    test::CompanyYear& company = test::companyYear();
};

TEST_F(TableWindows, EscCancelsAnEditAndASecondEscCloses) {
    company.setAccounts({"1000", "2000"});
    TFormAzKonto window(company.data, company.prompt);
    showActive(window);
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("AŽURIRANJE KONTA"));
    EXPECT_FALSE(window.vratiButton()->isVisible()) << "only a caller that wants a value gets the return button";
    EXPECT_FALSE(window.inputPanel()->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), window.dodajButton());

    QTest::keyClick(window.grid(), Qt::Key_F2);
    ASSERT_TRUE(window.editor().editing());
    EXPECT_EQ(QApplication::focusWidget(), window.inputFor("naziv")) << "an edit starts at the name";
    EXPECT_FALSE(window.grid()->isEnabled());
    const QString stored = edit(window, "naziv")->text();
    QTest::keyClicks(edit(window, "naziv"), "xyz");

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window.editor().editing());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(edit(window, "naziv")->text(), stored) << "the input shows the stored value again";
    EXPECT_EQ(company.data.MyConnection2().scalar("select count(*) from konto where naziv like '%xyz'").asInt(), 0);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Rejected);
}

TEST_F(TableWindows, AccountEditorCalledForAValueReturnsTheNewCode) {
    company.setAccounts({"1000"});
    std::vector<std::string> failures;
    auto check = [&](bool ok, const std::string& what) {
        if (!ok) failures.push_back(what);
    };
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<TFormAzTab*>(QApplication::activeModalWidget());
        if (!window) {
            failures.push_back("no modal window");
            return;
        }
        check(QTest::qWaitForWindowActive(window), "window active");
        check(window->windowTitle() == QString::fromUtf8("AŽURIRANJE KONTA"), "caption");
        check(window->editor().inserting(), "insert mode on first show");
        check(QApplication::focusWidget() == window->inputFor("id"), "focus on the code");
        check(window->vratiButton()->isVisible() && !window->vratiButton()->isEnabled(), "return button shown, off");
        QTest::keyClicks(window->inputFor("id"), "9999");
        QTest::keyClick(window->inputFor("id"), Qt::Key_Return);
        check(QApplication::focusWidget() == window->inputFor("naziv"), "Enter moves to the name");
        QTest::keyClicks(window->inputFor("naziv"), "Novi konto");
        QTest::mouseClick(window->potvrdiButton(), Qt::LeftButton);
        check(!window->editor().editing(), "saved");
        check(QApplication::focusWidget() == window->vratiButton(), "the return button is focused");
        QTest::keyClick(window->vratiButton(), Qt::Key_Return);
        if (window->isVisible()) window->reject();
    });
    const std::optional<std::string> code = addNewAccount(company.data, company.prompt, nullptr);
    for (const std::string& failure : failures) ADD_FAILURE() << failure;
    EXPECT_EQ(code, "9999");
    EXPECT_EQ(company.data.MyConnection2().scalar("select naziv from konto where id='9999'").asString(), "Novi konto");
    EXPECT_TRUE(company.data.MyTable_konto().locate("id", "9999")) << "lookups elsewhere see the new account";
    for (const std::string& message : company.prompt.messages) ADD_FAILURE() << message;
}

TEST_F(TableWindows, TitleClicksSortAndShiftAddsTheColumn) {
    company.setAccounts({"1000", "2000"});
    TFormAzKonto window(company.data, company.prompt);
    showActive(window);
    QHeaderView* header = window.grid()->horizontalHeader();
    auto clickTitle = [&](int section, Qt::KeyboardModifiers modifiers) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers,
                          QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
    };
    clickTitle(1, Qt::NoModifier);
    EXPECT_EQ(window.statusText(), QString::fromUtf8("Tabela sortirana po kolonama: \"naziv\""));
    clickTitle(0, Qt::ShiftModifier);
    EXPECT_EQ(window.statusText(), QString::fromUtf8("Tabela sortirana po kolonama: \"naziv;id\""));
    clickTitle(0, Qt::NoModifier);
    EXPECT_EQ(window.statusText(), QString::fromUtf8("Tabela sortirana po kolonama: \"id\""));
    window.reject();
}

TEST_F(TableWindows, AtInTheSecondaryCodeBoxPutsTheNextFreeCode) {
    db::Connection& pr = company.data.MyConnection1();
    pr.execute("delete from partner");
    pr.execute("insert into partner (naziv, id2) values ('a', 'KP009')");
    company.data.MyTable_partner().refresh();
    TFormAzPartner window(company.data, company.prompt);
    showActive(window);
    window.dodaj();
    EXPECT_EQ(QApplication::focusWidget(), window.inputFor("naziv"));
    EXPECT_EQ(edit(window, "drzava")->text(), "BiH");
    QLineEdit* id2 = edit(window, "id2");
    QTest::keyClicks(id2, "KP");
    QTest::keyClick(id2, '@');
    EXPECT_EQ(id2->text(), "KP10") << "counted up, not zero-padded after a typed text";
    window.otkazi();
    window.reject();
}

}  // namespace
