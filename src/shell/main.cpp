#include <QApplication>
#include <QMessageBox>

#include "data/server/private_server.h"
#include "shell/gui/tform1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(tarvo::shell::kApplicationName);
    QApplication::setApplicationDisplayName(tarvo::shell::kApplicationName);
    try {
        tarvo::server::ensureServer("localhost", 3306, tarvo::server::defaultServerDir());
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, tarvo::shell::kApplicationName, QString::fromStdString(error.what()));
        return 1;
    }
    tarvo::shell::TForm1 window;
    window.show();
    return app.exec();
}
