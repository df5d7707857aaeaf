#include "platform/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QThread>

#include "platform/Trace.h"

namespace {
QString ScopedName(const QString& mutexName, const QString& scope) {
    const QByteArray h = QCryptographicHash::hash(scope.toUtf8(), QCryptographicHash::Sha1);
    return mutexName + QLatin1Char('-') + QString::fromLatin1(h.toHex().left(12));
}
}  // namespace

SingleInstance::SingleInstance(const QString& mutexName, const QString& scope)
    : name_(ScopedName(mutexName, scope)),
      lock_(QDir(QDir::tempPath()).filePath(name_ + QStringLiteral(".lock"))) {
    lock_.setStaleLockTime(0);  // only a dead owner makes it stale
}

SingleInstance::~SingleInstance() {
    if (server_) {
        server_->close();
    }
    lock_.unlock();
}

bool SingleInstance::Claim() {
    if (!lock_.tryLock(0)) {
        qCDebug(lcApp) << "single instance: another instance is running";
        NotifyFirst();
        return false;
    }
    // A crashed owner may have left its socket behind.
    QLocalServer::removeServer(name_);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_.get(), &QLocalServer::newConnection, this, &SingleInstance::OnConnection);
    if (!server_->listen(name_)) {
        qCWarning(lcApp) << "single instance: cannot listen:" << server_->errorString();
    } else {
        qCDebug(lcApp) << "single instance: listening";
    }
    return true;
}

bool SingleInstance::NotifyFirst() {
    // The first instance may still be starting up: give it a moment to listen.
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 3000) {
        QLocalSocket socket;
        socket.connectToServer(name_);
        if (socket.waitForConnected(500)) {
            socket.write("1039\n");
            const bool sent = socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            return sent;
        }
        QThread::msleep(50);
    }
    return false;
}

void SingleInstance::OnConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine().trimmed();
                bool ok = false;
                const quint32 number = line.toUInt(&ok);
                // Only the show request crosses between instances.
                if (ok && number == 1039) {
                    emit MessageReceived(number);
                }
            }
        });
    }
}
