// A button that holds a colour, shows it as a swatch beside its caption
// and lets the user pick another in the platform colour dialog.
#pragma once

#include <QColor>
#include <QPushButton>

namespace vellumo::design {

class ColourButton : public QPushButton {
  Q_OBJECT

 public:
  ColourButton(const QString& caption, QColor colour, QWidget* parent = nullptr);

  [[nodiscard]] QColor colour() const { return colour_; }
  // Emits colourChanged when the colour is a different one.
  void setColour(QColor colour);

 signals:
  void colourChanged(QColor colour);

 private:
  void ChooseColour();
  void ShowSwatch();

  QColor colour_;
};

}  // namespace vellumo::design
