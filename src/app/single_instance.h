// One running instance per application home: the first process holds a
// lock file and listens on a local socket; a second one asks the first to
// bring its window forward and then ends.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <memory>

namespace vellumo {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // `home` names the application home the instance guards.
  explicit SingleInstance(const QString& home, QObject* parent = nullptr);
  ~SingleInstance() override;

  // True when this process is the first: it now holds the guard. False
  // when another instance runs; it has been asked to show itself.
  bool Claim();

  // The name of the guard's socket and lock for a home.
  static QString KeyFor(const QString& home);

 Q_SIGNALS:
  // Another instance was started and handed over to this one.
  void activationRequested();

 private:
  void AskFirstInstanceToShow();

  QString key_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
};

}  // namespace vellumo
