#include "shell/ui/SingleInstance.h"

#include "shell/InstanceRequest.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>

namespace {
constexpr const char* kReceivedProperty = "vdrReceived";
constexpr int kLockWaitMs = 5000;
} // namespace

SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent), mKey(key) {}

SingleInstance::~SingleInstance() = default;

SingleInstance::Role SingleInstance::Start(const QString& file, int timeoutMs) {
    // Two starts at the same moment must not both become the running copy: the
    // check and the listening happen under one lock.
    // (Without the lock, after waiting for it, the start goes on unguarded.)
    QLockFile lock(QDir::tempPath() + QLatin1Char('/') + mKey + QStringLiteral(".lock"));
    lock.tryLock(kLockWaitMs);
    if (HandOver(file, timeoutMs)) return Role::HandedOver;

    // Nobody answers: a socket left by a copy that ended abnormally is removed.
    mServer = new QLocalServer(this);
    mServer->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(mKey);
    if (!mServer->listen(mKey)) {
        delete mServer;
        mServer = nullptr;
        return Role::Alone;
    }
    connect(mServer, &QLocalServer::newConnection, this, &SingleInstance::TakeConnection);
    return Role::Primary;
}

bool SingleInstance::HandOver(const QString& file, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(mKey);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(EncodeInstanceRequest(file));
    socket.flush();
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(timeoutMs)) return false;
    // A copy is there; it confirms once it has the request. A copy too busy to
    // confirm in time still has it queued, and a second copy is not started.
    while (!socket.bytesAvailable() && socket.waitForReadyRead(timeoutMs)) {
    }
    socket.disconnectFromServer();
    return true;
}

void SingleInstance::TakeConnection() {
    while (QLocalSocket* socket = mServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        if (socket->bytesAvailable()) Read(socket);
    }
}

void SingleInstance::Read(QLocalSocket* socket) {
    QByteArray received = socket->property(kReceivedProperty).toByteArray() + socket->readAll();
    QString file;
    switch (DecodeInstanceRequest(received, file)) {
    case RequestState::Incomplete:
        socket->setProperty(kReceivedProperty, received);
        return;
    case RequestState::Invalid:
        socket->abort();
        return;
    case RequestState::Complete:
        socket->setProperty(kReceivedProperty, QByteArray());
        socket->write(&kRequestTaken, 1);
        socket->flush();
        socket->disconnectFromServer();
        emit Requested(file);
        return;
    }
}
