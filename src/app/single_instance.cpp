// Lock file plus local socket.
#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

namespace vellumo {
namespace {

constexpr int kConnectTimeoutMs = 2000;

}  // namespace

SingleInstance::SingleInstance(const QString& home, QObject* parent) : QObject(parent), key_(KeyFor(home)) {
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      Q_EMIT activationRequested();
    }
  });
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::KeyFor(const QString& home) {
  const QByteArray digest =
      QCryptographicHash::hash(QDir(home).absolutePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
  return QStringLiteral("vellumo-") + QString::fromLatin1(digest);
}

bool SingleInstance::Claim() {
  // The lock is released by the system should the holder die, so a crashed
  // instance never blocks the next start.
  lock_ = std::make_unique<QLockFile>(QDir::temp().filePath(key_ + QStringLiteral(".lock")));
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock(0)) {
    AskFirstInstanceToShow();
    return false;
  }
  // A socket left by a crashed instance would refuse the name.
  QLocalServer::removeServer(key_);
  server_.listen(key_);
  return true;
}

void SingleInstance::AskFirstInstanceToShow() {
  QLocalSocket socket;
  socket.connectToServer(key_);
  if (socket.waitForConnected(kConnectTimeoutMs)) socket.disconnectFromServer();
}

}  // namespace vellumo
