#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "data/gui/tform_izbor_firme.h"
#include "data/server/private_server.h"
#include "shell/gui/main_window_wiring.h"
#include "shell/gui/tform1.h"
#include "shell/startup/session.h"
#include "ui/qt_prompt.h"
#include "ui/single_instance.h"
#include "util/paths.h"

namespace {

constexpr unsigned kDefaultPort = 3306;

int fail(const QString& text) {
    QMessageBox::critical(nullptr, tarvo::shell::kApplicationName, text);
    return 1;
}

// The server the command line names, started privately when nothing answers on the local one.
tarvo::db::ConnectionParams serverFor(const tarvo::CommandLine& line) {
    tarvo::db::ConnectionParams params;
    params.host = line.host.server();
    params.port = line.host.portMode() ? line.host.port() : kDefaultPort;
    tarvo::server::ensureServer(params.host, params.port, tarvo::server::defaultServerDir());
    return params;
}

}  // namespace

int main(int argc, char** argv) {
    // Qt takes its own options out of argv: keep the program's arguments first.
    const std::vector<std::string> args(argv + 1, argv + argc);
    QApplication app(argc, argv);
    QApplication::setApplicationName(tarvo::shell::kApplicationName);
    QApplication::setApplicationDisplayName(tarvo::shell::kApplicationName);

    tarvo::ui::SingleInstance instance(QApplication::applicationFilePath());
    if (!instance.isFirst()) return 0;

    tarvo::CommandLine line;
    tarvo::db::ConnectionParams server;
    try {
        line = tarvo::registrujParametre(args);
        server = serverFor(line);
    } catch (const std::exception& error) {
        return fail(QString::fromStdString(error.what()));
    }
    QDir::setCurrent(QString::fromStdString(tarvo::familyFolder().string()));

    tarvo::ui::QtPrompt prompt;
    tarvo::Session session(prompt, line, server);
    try {
        if (!session.connectCatalogue()) return 1;
        tarvo::IzborFirme selection(session.catalogue());
        std::optional<tarvo::TFirma> firma;
        if (line.autoSelect) {
            firma = session.autoSelect(selection);
        } else {
            tarvo::TFormIzborFirme dialog(selection, tarvo::shell::kApplicationName, tarvo::shell::kApplicationTitle);
            if (dialog.exec() == QDialog::Accepted) firma = dialog.firma();
        }
        if (!firma || !session.openCompany(*firma)) return session.terminating() ? 1 : 0;
    } catch (const std::exception& error) {
        return fail(QString::fromStdString(error.what()));
    }

    tarvo::TDataModule1& data = session.data();
    tarvo::shell::TForm1 window({data.parameters(), session.catalogue(), prompt, session.company(),
                                 &data.MyConnection1(), &data.MyConnection2()});
    prompt.setParent(&window);
    tarvo::shell::wireMainWindow(window, session);
    window.setGlobPar();
    window.applyScreenScale();
    QObject::connect(&instance, &tarvo::ui::SingleInstance::raiseRequested, &window, [&window] {
        window.showNormal();
        window.raise();
        window.activateWindow();
    });
    window.show();
    return app.exec();
}
