// Opening help pages by context number.
#include "core/windows/help.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "core/application_home.h"

namespace vellumo {

void ShowHelpTopic(int context, QWidget* parent) {
  QString page = QDir(ProgramDirectory()).filePath(QStringLiteral("help/%1.html").arg(context));
  if (QFileInfo::exists(page) && QDesktopServices::openUrl(QUrl::fromLocalFile(page))) return;
  QMessageBox::information(parent, QStringLiteral("Information"),
                           QStringLiteral("No help is installed for this window (topic %1).").arg(context));
}

}  // namespace vellumo
