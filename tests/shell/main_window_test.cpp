#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "company_databases.h"
#include "data/gui/tfglobpar.h"
#include "shell/gui/tform1.h"
#include "shell/gui/tfpostavke.h"
#include "ui/enter_as_tab.h"
#include "ui/focus_highlighter.h"

using namespace tarvo;
using namespace tarvo::shell;

namespace {

// One application for the whole run, never destroyed: Qt's own globals may be gone at static destruction.
QApplication& application() {
    static int argc = 1;
    static char name[] = "shell_main_window_test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// The application exists before any member of a fixture is made.
class QtTest : public ::testing::Test {
protected:
    QtTest() { application(); }
};

class MainWindow : public QtTest {
protected:

    void showActive() {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // A stand-in for the voucher-entry panel, shown and focused.
    QLineEdit* showPanel() {
        auto* panel = new QLineEdit;
        window.setVoucherPanel(panel);
        panel->show();
        panel->setFocus();
        return panel;
    }
    const std::string& lastMessage() {
        static const std::string none = "<nema poruke>";
        return catalogue.prompt.messages.empty() ? none : catalogue.prompt.messages.back();
    }

    test::TestCatalogue catalogue;
    test::CompanyDatabases companies{catalogue, {2024, 2024}};
    ParameterTable parameters = companies.parameters(0);
    TFirma firma = companies.firma(0, "Kelma d.o.o.");
    TForm1 window{TForm1Context{parameters, catalogue.dm, catalogue.prompt, firma}};
};

TEST_F(MainWindow, CaptionNamesTheCompanyAndActivationLoadsTheSettings) {
    showActive();
    EXPECT_EQ(window.windowTitle().toStdString(),
              "Tarvo - Finansijsko knjigovodstvo, verzija:21.3.17.1 - FIRMA: Kelma d.o.o. (" +
                  std::to_string(firma.id) + ") - poslovna godina:2024");
    EXPECT_EQ(companies.rowCount(0), 37) << "the settings, the organisation type and its two workbook paths";
    EXPECT_EQ(window.settings().sifraNalogaZaIzvode, 6);
}

TEST_F(MainWindow, ShortcutsRunTheirHandlersOrSayUIzradi) {
    int novi = 0, azuriraj = 0, novaStavka = 0, otkazi = 0;
    window.setHandler("Novi1Click", [&] { ++novi; });
    window.setHandler("Auriraj1Click", [&] { ++azuriraj; }, [] { return false; });
    showActive();

    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(novi, 1);
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(lastMessage(), "U izradi");
    const size_t said = catalogue.prompt.messages.size();
    QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(azuriraj, 0) << "a disabled entry's shortcut does nothing";
    EXPECT_EQ(catalogue.prompt.messages.size(), said);

    window.setHandler("novaStavka", [&] { ++novaStavka; });
    window.setHandler("otkaziUnosIspravku", [] {}, [] { return false; });
    window.setHandler("otkaziUnosIspravku2", [&] { ++otkazi; });
    QLineEdit* panel = showPanel();
    QTest::keyClick(panel, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(novaStavka, 1);
    EXPECT_EQ(novi, 1) << "\"Novi\" only while the entry panel is hidden";
    QTest::keyClick(panel, Qt::Key_Escape);
    EXPECT_EQ(otkazi, 1) << "the second cancel entry when the first is disabled";
}

TEST_F(MainWindow, EveryMenuGroupReachesItsHandler) {
    int kompenzacije = 0;
    window.setHandler("Kompenzacije1Click", [&] { ++kompenzacije; });
    showActive();

    window.menuAction("Kartica1Click")->trigger();
    EXPECT_EQ(lastMessage(), "U izradi");
    window.menuAction("Kompenzacije1Click")->trigger();
    EXPECT_EQ(kompenzacije, 1);
    window.menuAction("nekiParametriStanja1Click")->trigger();
    EXPECT_NE(lastMessage().find("db_pr   =\"" + firma.db_pr + "\"\r"), std::string::npos) << lastMessage();
    EXPECT_FALSE(window.menuAction("BilansUspjeha1Click")->isVisible());

    showPanel();
    window.setHandler("ZatvaranjeKartica1Click", [&] { ++kompenzacije; });
    window.menuAction("ZatvaranjeKartica1Click")->trigger();
    EXPECT_EQ(lastMessage(), "Prvo završite obradu naloga!");
    EXPECT_EQ(kompenzacije, 1);
}

TEST_F(MainWindow, ClosingIsRefusedWhileTheVoucherPanelIsVisible) {
    bool closed = false;
    window.setCloseHook([&] { closed = true; });
    showActive();
    QLineEdit* panel = showPanel();
    EXPECT_FALSE(window.close());
    EXPECT_EQ(lastMessage(), "Prvo završite tj. ažurirajte nalog!");
    EXPECT_FALSE(closed);
    panel->hide();
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(closed);
}

class SettingsWindow : public QtTest {
protected:
    test::TestCatalogue catalogue;
    test::CompanyDatabases companies{catalogue, {2024, 2023}};
    ParameterTable parameters = companies.parameters(0);
    TFpostavke dialog{parameters,
                      SettingsCopyContext{catalogue.connection(), catalogue.names, companies.companies[0].pr,
                                          catalogue.prompt}};
};

TEST_F(SettingsWindow, OkFollowsTheChangesAndCtrlSSavesAndCopies) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QLineEdit* konto = dialog.field("kontoBlagajna");
    ASSERT_NE(konto, nullptr);
    EXPECT_EQ(konto->text(), "2050");
    EXPECT_EQ(konto->objectName(), "LE_kontoBlagajna");
    EXPECT_FALSE(dialog.okButton()->isEnabled());
    konto->setText("2051");
    EXPECT_TRUE(dialog.okButton()->isEnabled());
    konto->setText("2050");
    EXPECT_FALSE(dialog.okButton()->isEnabled()) << "the old value typed back";

    QCheckBox* generate = dialog.tickBox("kontoBlagajnaGD");
    ASSERT_NE(generate, nullptr);
    EXPECT_TRUE(generate->isChecked());
    generate->click();
    EXPECT_EQ(dialog.field("kontoBlagajnaGD")->text(), "ne");

    konto->setText("2051");
    konto->setFocus();
    catalogue.prompt.answers = {true, true};
    QTest::keyClick(konto, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(companies.stored(0, "kontoBlagajna"), "2051");
    EXPECT_EQ(companies.stored(0, "kontoBlagajnaGD"), "ne") << "saved before the copy";
    EXPECT_EQ(companies.stored(1, "kontoBlagajna"), "2051");
    EXPECT_EQ(companies.stored(1, "kontoBlagajnaGD"), "<nema>");
    EXPECT_FALSE(dialog.okButton()->isEnabled());
}

class GlobalParametersWindow : public QtTest {
protected:
    QPushButton* button(const QString& text) {
        for (QPushButton* candidate : dialog.findChildren<QPushButton*>())
            if (candidate->text() == text) return candidate;
        return nullptr;
    }
    std::string stored(const std::string& key) { return catalogue.dm.izGlobPar(key); }

    test::TestCatalogue catalogue;
    TFGlobPar dialog{catalogue.dm, catalogue.prompt, GlobalParametersInEffect{1.95, "3", "7to8", true, false}};
};

TEST_F(GlobalParametersWindow, StepsTheFactorWithinItsRangeAndSavesOnlyANumberInIt) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.factorEdit()->text(), "1,95");
    button("+")->click();
    EXPECT_EQ(dialog.factorEdit()->text(), "2,00");
    button("+")->click();
    EXPECT_EQ(dialog.factorEdit()->text(), "2,00") << "never above 2";

    dialog.factorEdit()->setText("2,5");
    button("SNIMI")->click();
    EXPECT_EQ(catalogue.prompt.messages.back(), "Koeficijent uvećanja mora biti broj od 1 do 2!");
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(stored("vecaRezolucijaEkrana"), "");

    dialog.factorEdit()->setText("1.5");
    button("SNIMI")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(dialog.inEffect().scaleFactor, 1.5);
    EXPECT_EQ(stored("vecaRezolucijaEkrana"), "1,50");
    EXPECT_EQ(stored("zajednickaTabelaArtikala_fid"), "3") << "the shared company in effect is shown and kept";
    EXPECT_EQ(stored("konvZnakovaZaDos"), "7to8");
    EXPECT_EQ(stored("omoguciMinimiziranje"), "da");
    EXPECT_EQ(stored("identBrojPartneraObavezan"), "ne");
    EXPECT_EQ(stored("KELMA_osnovnaBoja"), "system");
}

TEST(WindowBehaviour, FocusedEditIsHighlightedAndEnterMovesOn) {
    application();
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* first = new QLineEdit;
    auto* second = new QLineEdit;
    layout->addWidget(first);
    layout->addWidget(second);
    layout->addWidget(new QPushButton("OK"));
    ui::EnterAsTab::installOn(&dialog);
    const QColor normal = first->palette().color(QPalette::Base);
    const QColor yellow(0xFF, 0xFF, 0x88);
    {
        ui::FocusHighlighter highlighter(yellow);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        first->setFocus();
        EXPECT_EQ(first->palette().color(QPalette::Base), yellow);

        QTest::keyClick(first, Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget(), second);
        EXPECT_EQ(first->palette().color(QPalette::Base), normal);
        EXPECT_EQ(second->palette().color(QPalette::Base), yellow);

        QTest::keyClick(second, Qt::Key_Return, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), first);
    }
    EXPECT_EQ(first->palette().color(QPalette::Base), normal) << "removing the highlighter gives the colour back";
}

}  // namespace
