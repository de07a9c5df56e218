#include "ui/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

namespace tarvo::ui {
namespace {

QString keyOf(const QString& programPath) {
    const QString canonical = QFileInfo(programPath).canonicalFilePath();
    return "tarvo-" + QString::fromLatin1(
                          QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16));
}

}  // namespace

SingleInstance::SingleInstance(const QString& programPath, QObject* parent) : QObject(parent) {
    const QString key = keyOf(programPath);
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    lock_ = std::make_unique<QLockFile>(folder + "/" + key + ".lock");
    lock_->setStaleLockTime(0);
    first_ = lock_->tryLock(100);
    if (!first_) {
        QLocalSocket socket;
        socket.connectToServer(key);
        if (socket.waitForConnected(1000)) {
            socket.write("raise");
            socket.waitForBytesWritten(1000);
        }
        return;
    }
    QLocalServer::removeServer(key);
    server_.listen(key);
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            emit raiseRequested();
        }
    });
}

}  // namespace tarvo::ui
