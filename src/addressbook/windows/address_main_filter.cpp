// The main window's filter commands — the filter window, saving and
// restoring filter files — and the browse and preferences windows.
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "addressbook/filter_file.h"
#include "addressbook/windows/address_main.h"
#include "addressbook/windows/browse_form.h"
#include "addressbook/windows/preferences_dialog.h"
#include "addressbook/windows/query_form.h"
#include "core/application_home.h"
#include "core/messages.h"

namespace vellumo {

void TAddressMain::SetFilterCommand() {
  if (BeepWhileEditing()) return;
  TAddressQueryForm form(book_, this);
  form.exec();
  RefreshAll();
}

void TAddressMain::SaveFilterCommand() {
  if (filter_directory_.isEmpty()) filter_directory_ = ProgramDirectory();
  const QString chosen =
      QFileDialog::getSaveFileName(this, QStringLiteral("Save Filter"), filter_directory_ + QStringLiteral("*.FLT"),
                                   QStringLiteral("Filter files (*.FLT)"), nullptr, QFileDialog::DontConfirmOverwrite);
  if (chosen.isEmpty()) return;
  filter_directory_ = QFileInfo(chosen).absolutePath() + QLatin1Char('/');
  SaveFilterAs(chosen);
}

bool TAddressMain::SaveFilterAs(const QString& chosen) {
  QString error;
  const QString path = FilterSaveName(chosen, &error);
  if (path.isEmpty()) {
    ShowInformation(error);
    return false;
  }
  if (QFileInfo::exists(path) &&
      !AskYesNoDefaultNo(path + QStringLiteral(" already exists.") + QStringLiteral("\r\n") +
                             QStringLiteral("Do you want to overwrite it?"),
                         QStringLiteral("Warning!"))) {
    return false;
  }
  if (!SaveFilterTo(path, book_.filter_conditions(), &error)) {
    ShowInformation(error);
    return false;
  }
  return true;
}

void TAddressMain::RestoreFilterCommand() {
  const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Restore Filter"), ProgramDirectory(),
                                                    QStringLiteral("Filter Files (*.flt *.FLT)"));
  if (!path.isEmpty()) RestoreFilterFromFile(path);
}

bool TAddressMain::RestoreFilterFromFile(const QString& path) {
  if (!IsFilterFileName(path)) {
    ShowInformation(QStringLiteral("Must be a Filter (.FLT) file"));
    return false;
  }
  FilterConditions conditions;
  QString error;
  if (!RestoreFilterFrom(path, &conditions, &error)) {
    ShowInformation(error);
    return false;
  }
  book_.SetFilter(conditions);
  RefreshAll();
  return true;
}

void TAddressMain::BrowseCommand() {
  if (BeepWhileEditing()) return;
  TAddressBrowseForm browse(book_, this);
  browse.exec();
  RefreshAll();
}

void TAddressMain::PreferencesCommand() {
  TPreferences preferences(this);
  preferences.exec();
  book_.LoadPreferences();
}

}  // namespace vellumo
