// vellumo: starts the address book. One instance runs per application
// home; a second start brings the running one forward.
//
//   vellumo [--home DIR]
#include <QApplication>
#include <QMessageBox>

#include "addressbook/windows/address_main.h"
#include "app/single_instance.h"
#include "core/application_home.h"
#include "core/windows/message_box_messenger.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vellumo"));
  QApplication::setApplicationVersion(QStringLiteral(VELLUMO_VERSION));

  QString error;
  if (!vellumo::InitialiseApplicationHome(QApplication::arguments(), &error)) {
    QMessageBox::critical(nullptr, QStringLiteral("Vellumo"), error);
    return 2;
  }
  vellumo::SingleInstance instance(vellumo::ProgramDirectory());
  if (!instance.Claim()) return 0;

  vellumo::MessageBoxMessenger messenger;
  vellumo::SetMessenger(&messenger);
  vellumo::TAddressMain window;
  QObject::connect(&instance, &vellumo::SingleInstance::activationRequested, &window, [&window] {
    if (window.isMinimized()) window.showNormal();
    window.raise();
    window.activateWindow();
  });
  window.show();
  const int result = QApplication::exec();
  vellumo::SetMessenger(nullptr);
  return result;
}
