// The 3-D effects dialog of single-line texts.
#include "design/windows/font_3d_effects.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "core/windows/dialog_buttons.h"
#include "design/windows/run_dialog.h"
#include "design/model/qt_colour.h"
#include "design/windows/colour_button.h"
#include "design/windows/effects_sample.h"

namespace vellumo::design {
namespace {

// In enumeration order: list position n is direction n.
const QStringList kShadowDirections = {QStringLiteral("None"),        QStringLiteral("Right"),
                                       QStringLiteral("Left"),        QStringLiteral("Lower Right"),
                                       QStringLiteral("Lower Left"),  QStringLiteral("Down")};
const QStringList kHighlightDirections = {QStringLiteral("None"),       QStringLiteral("Right"),
                                          QStringLiteral("Left"),       QStringLiteral("Upper Right"),
                                          QStringLiteral("Upper Left"), QStringLiteral("Up")};

QComboBox* DirectionBox(const QStringList& directions, int current, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->addItems(directions);
  box->setCurrentIndex(current);
  return box;
}

}  // namespace

TGFont3DEffects::TGFont3DEffects(const TGBaseLabel& label, QWidget* parent)
    : QDialog(parent), look_(LookOf(label)) {
  setWindowTitle(QStringLiteral("Text 3D Effects"));
  shadow_direction_ = DirectionBox(kShadowDirections, look_.effects.DirectionShadow, this);
  shadow_depth_ = DepthBox(look_.effects.DepthShadow);
  shadow_colour_ = ColourChoice(QStringLiteral("Shadow Color"), &look_.shadow);
  highlight_direction_ = DirectionBox(kHighlightDirections, look_.effects.DirectionHighlight, this);
  highlight_depth_ = DepthBox(look_.effects.DepthHighlight);
  highlight_colour_ = ColourChoice(QStringLiteral("Highlight Color"), &look_.highlight);
  font_colour_ = ColourChoice(QStringLiteral("Font Color"), &look_.font.colour);
  sample_ = new EffectsSample(this);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Shadow Direction"), shadow_direction_);
  form->addRow(QStringLiteral("Shadow Depth"), shadow_depth_);
  form->addRow(shadow_colour_);
  form->addRow(QStringLiteral("Highlight Direction"), highlight_direction_);
  form->addRow(QStringLiteral("Highlight Depth"), highlight_depth_);
  form->addRow(highlight_colour_);
  form->addRow(font_colour_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(sample_, 1);
  layout->addWidget(AddDialogButtons(this, QStringLiteral("Ok"), kHelpContext).box);

  for (QComboBox* box : {shadow_direction_, shadow_depth_, highlight_direction_, highlight_depth_}) {
    connect(box, &QComboBox::currentIndexChanged, this, &TGFont3DEffects::ShowSample);
  }
  ShowSample();
}

QComboBox* TGFont3DEffects::DepthBox(int depth) {
  auto* box = new QComboBox(this);
  for (int n = 0; n <= kMaxListedDepth; ++n) box->addItem(QString::number(n), n);
  // A depth from a design file beyond the list is offered too, so that
  // "Ok" keeps it rather than losing it.
  if (depth < 0 || depth > kMaxListedDepth) box->addItem(QString::number(depth), depth);
  box->setCurrentIndex(box->findData(depth));
  return box;
}

ColourButton* TGFont3DEffects::ColourChoice(const QString& caption, Colour* stored) {
  auto* button = new ColourButton(caption, QtColour(*stored), this);
  connect(button, &ColourButton::colourChanged, this, [this, stored](QColor colour) {
    *stored = StoredColour(colour);
    ShowSample();
  });
  return button;
}

TextLook TGFont3DEffects::Choice() const {
  TextLook look = look_;
  look.effects.DirectionShadow = static_cast<TShadowDirection>(shadow_direction_->currentIndex());
  look.effects.DepthShadow = shadow_depth_->currentData().toInt();
  look.effects.DirectionHighlight = static_cast<THighlightDirection>(highlight_direction_->currentIndex());
  look.effects.DepthHighlight = highlight_depth_->currentData().toInt();
  return look;
}

void TGFont3DEffects::ShowSample() { sample_->ShowLook(Choice()); }

void TGFont3DEffects::Apply(TGBaseLabel& label) const { ApplyLook(label, Choice()); }

bool TGFont3DEffects::Edit(TGBaseLabel& label, QWidget* parent) { return RunDialog<TGFont3DEffects>(label, parent); }

}  // namespace vellumo::design
