#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "data/catalogue/server_setup.h"
#include "data/gui/tform_izbor_firme.h"
#include "test_catalogue.h"
#include "qt_application.h"

using namespace tarvo;

namespace {

TEST(IzborFirmeWindow, ListsCompaniesAndEnterOnTheListConfirms) {

    test::TestCatalogue catalogue;
    const int first = test::uniqueCompanyId();
    ASSERT_TRUE(registerCompanyYear(catalogue.dm, first, "Alfa", 2023).ok());
    ASSERT_TRUE(registerCompanyYear(catalogue.dm, first, "Alfa", 2024).ok());

    IzborFirme selection(catalogue.dm);
    TFormIzborFirme window(selection, "Tarvo", "T");
    EXPECT_EQ(window.windowTitle(), "IZBOR FIRME ZA RAD (Tarvo-T)");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_EQ(window.StringGrid1()->rowCount(), 1);
    EXPECT_EQ(window.StringGrid1()->item(0, 0)->text(), "Alfa");
    EXPECT_EQ(window.ComboBox1()->count(), 2);
    EXPECT_EQ(window.ComboBox1()->itemText(0), "2024") << "newest year first";
    EXPECT_EQ(window.Edit1()->text(), QString::number(first));

    window.ComboBox1()->setEditText("2023");
    window.StringGrid1()->setFocus();
    QTest::keyClick(window.StringGrid1(), Qt::Key_Return);
    ASSERT_EQ(window.result(), QDialog::Accepted);
    ASSERT_TRUE(window.firma().has_value());
    EXPECT_EQ(window.firma()->godina, 2023);
    EXPECT_EQ(window.firma()->db_fin, "finansije_" + std::to_string(first) + "_2023");
}

}  // namespace
