#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "data/catalogue/server_setup.h"
#include "lifecycle/gui/tform2.h"
#include "shell/startup/session.h"
#include "test_catalogue.h"
#include "qt_application.h"

using namespace tarvo;

namespace {

TEST(Administration, EveryCodeTableButtonOpensItsEditor) {

    test::TestCatalogue catalogue;
    const int fid = test::uniqueCompanyId();
    ASSERT_TRUE(registerCompanyYear(catalogue.dm, fid, "Admin d.o.o.", 2025).ok());
    ScriptedPrompt prompt;
    Session session(prompt, registrujParametre({std::to_string(fid), "2025"}), test::serverParams(), catalogue.names);
    ASSERT_TRUE(session.connectCatalogue());
    IzborFirme selection(session.catalogue());
    auto firma = session.autoSelect(selection);
    ASSERT_TRUE(firma && session.openCompany(*firma));

    lifecycle::TForm2 window(session, false);
    EXPECT_EQ(window.windowTitle(), "ADMINISTRACIJA");
    window.show();
    const std::pair<const char*, const char*> buttons[] = {
        {"KONTO", "AŽURIRANJE KONTA"},
        {"PARTNER", "AŽURIRANJE PARTNERA"},
        {"VRSTA NALOGA", "AŽURIRANJE VRSTA NALOGA"},
        {"PARAMETAR", "AŽURIRANJE  PARAMETARA"},
    };
    for (const auto& [caption, title] : buttons) {
        QPushButton* button = nullptr;
        for (auto* b : window.findChildren<QPushButton*>())
            if (b->text() == caption) button = b;
        ASSERT_NE(button, nullptr) << caption;
        QString seen;
        QTimer::singleShot(200, [&seen] {
            if (QWidget* editor = QApplication::activeModalWidget()) {
                seen = editor->windowTitle();
                editor->close();
            }
        });
        button->click();
        EXPECT_EQ(seen.toStdString(), title) << caption;
    }
}

}  // namespace
