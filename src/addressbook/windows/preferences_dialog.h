// TPreferences ("Preferences"): how new records are entered — automatic
// values, fields carried forward and fields the Tab key passes over.
#pragma once

#include <QDialog>
#include <vector>

#include "core/adding_preferences.h"

class QCheckBox;
class QLineEdit;

namespace vellumo {

class TPreferences : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1038;

  // Shows the settings as stored.
  explicit TPreferences(QWidget* parent = nullptr);

  // The control of a setting by its caption, within its group.
  QCheckBox* box(const QString& group, const QString& caption) const;
  QLineEdit* default_country() const { return default_country_; }
  // "Ok" stores all settings.
  void accept() override;

 private:
  struct Choice {
    QString group;
    QCheckBox* box;
    bool AddingPreferences::*setting;
  };
  std::vector<Choice> choices_;
  QLineEdit* default_country_;
};

}  // namespace vellumo
