// The colour buttons of the design dialogs.
#include "design/windows/colour_button.h"

#include <QColorDialog>
#include <QPixmap>

namespace vellumo::design {
namespace {

constexpr int kSwatchSize = 16;

}  // namespace

ColourButton::ColourButton(const QString& caption, QColor colour, QWidget* parent)
    : QPushButton(caption, parent), colour_(colour) {
  ShowSwatch();
  connect(this, &QPushButton::clicked, this, &ColourButton::ChooseColour);
}

void ColourButton::setColour(QColor colour) {
  if (colour == colour_) return;
  colour_ = colour;
  ShowSwatch();
  emit colourChanged(colour_);
}

void ColourButton::ChooseColour() {
  const QColor chosen = QColorDialog::getColor(colour_, this, text().remove(QLatin1Char('&')));
  if (chosen.isValid()) setColour(chosen);
}

void ColourButton::ShowSwatch() {
  QPixmap swatch(kSwatchSize, kSwatchSize);
  swatch.fill(colour_);
  setIcon(QIcon(swatch));
}

}  // namespace vellumo::design
