#include "lifecycle/gui/tform2.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

#include "journal/gui/code_table_editors.h"
#include "shell/startup/session.h"

namespace tarvo::lifecycle {

TForm2::TForm2(Session& session, bool identBrojPartneraObavezan, QWidget* parent)
    : QDialog(parent), session_(session) {
    setObjectName("Form2");
    setWindowTitle("ADMINISTRACIJA");
    auto* layout = new QGridLayout(this);
    int row = 0;
    auto add = [&](const char* caption, std::function<void()> action) {
        auto* button = new QPushButton(caption, this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, std::move(action));
        layout->addWidget(button, row / 2, row % 2);
        ++row;
    };
    auto notBuiltYet = [this] { QMessageBox::information(this, windowTitle(), "U izradi"); };
    TDataModule1& data = session_.data();
    UserPrompt& prompt = session_.prompt();

    add("PARAMETAR", [this, &data, &prompt] {
        journal::openParametarEditor(data, prompt, session_.catalogue().names(), this);
    });
    add("PARTNER", [this, &data, &prompt, identBrojPartneraObavezan] {
        journal::openPartnerEditor(data, prompt, this, identBrojPartneraObavezan);
    });
    add("VRSTA NALOGA", [this, &data, &prompt] { journal::openVrstaNalEditor(data, prompt, this); });
    add("KONTO", [this, &data, &prompt] {
        journal::openKontoEditor(data, prompt, this, "_" + session_.company().orgTip);
    });
    for (const char* later : {"Kreiraj bazu podataka", "Finansijski pogledi na izvorne dokumente",
                              "Sheme finansijskog knjiženja izvornih dokumenata", "Definicije izvještaja",
                              "FINANSIJSKI SINTETIČKI PODACI"}) {
        add(later, notBuiltYet);
    }
}

}  // namespace tarvo::lifecycle
