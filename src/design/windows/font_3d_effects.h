// TGFont3DEffects ("Text 3D Effects"): where the shadow and highlight
// copies of a single-line text lie, how far and in what colours, and the
// font colour, with a sample that follows every change.
#pragma once

#include <QDialog>

#include "design/model/text_label.h"
#include "design/windows/text_edits.h"

class QComboBox;

namespace vellumo::design {

class ColourButton;
class EffectsSample;

class TGFont3DEffects : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 3202;
  static constexpr int kMaxListedDepth = 10;

  // Shows the object's font, directions, depths and colours.
  explicit TGFont3DEffects(const TGBaseLabel& label, QWidget* parent = nullptr);

  QComboBox* shadow_direction() const { return shadow_direction_; }
  QComboBox* shadow_depth() const { return shadow_depth_; }
  QComboBox* highlight_direction() const { return highlight_direction_; }
  QComboBox* highlight_depth() const { return highlight_depth_; }
  ColourButton* shadow_colour() const { return shadow_colour_; }
  ColourButton* highlight_colour() const { return highlight_colour_; }
  ColourButton* font_colour() const { return font_colour_; }
  EffectsSample* sample() const { return sample_; }

  // The look as chosen; colours left alone keep their stored values.
  [[nodiscard]] TextLook Choice() const;
  // What "Ok" does: the object takes the chosen font and 3-D values.
  void Apply(TGBaseLabel& label) const;

  static bool Edit(TGBaseLabel& label, QWidget* parent);

 private:
  QComboBox* DepthBox(int depth);
  ColourButton* ColourChoice(const QString& caption, Colour* stored);
  void ShowSample();

  TextLook look_;  // the object's look; colours follow the colour buttons
  QComboBox* shadow_direction_;
  QComboBox* shadow_depth_;
  QComboBox* highlight_direction_;
  QComboBox* highlight_depth_;
  ColourButton* shadow_colour_;
  ColourButton* highlight_colour_;
  ColourButton* font_colour_;
  EffectsSample* sample_;
};

}  // namespace vellumo::design
