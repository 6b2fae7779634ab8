// The effects of the text dialogs on text objects.
#include "design/windows/text_edits.h"

#include <QRegularExpression>

#include "design/windows/page_changes.h"

namespace vellumo::design {

void ReplaceCaption(TGPLabel& label, const QString& caption) {
  label.Caption = caption.toStdString();
  label.GrowToFit();
  TellPage(label);
}

TextLook LookOf(const TGBaseLabel& label) {
  return TextLook{label.Font, label.Effects, label.colorShadow, label.colorHighlight};
}

void ApplyLook(TGBaseLabel& label, const TextLook& look) {
  label.Font = look.font;
  label.Effects = look.effects;
  label.colorShadow = look.shadow;
  label.colorHighlight = look.highlight;
  TellPage(label);
}

std::vector<std::string> LinesOfText(const QString& text) {
  std::vector<std::string> lines;
  if (text.isEmpty()) return lines;
  static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
  QStringList pieces = text.split(kLineEnd);
  // A line end after the last line starts no further line.
  if (pieces.size() > 1 && pieces.back().isEmpty()) pieces.removeLast();
  for (const QString& line : pieces) lines.push_back(line.toStdString());
  return lines;
}

QString TextOfLines(const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text << QString::fromStdString(line);
  return text.join(QLatin1Char('\n'));
}

void ReplaceLines(TGMultiLineBaseLabel& label, const QString& text) {
  label.Items = LinesOfText(text);
  label.SizeToLines();
  TellPage(label);
}

Colour StoredColour(const QColor& colour) {
  return Colour(colour.red()) | Colour(colour.green()) << 8 | Colour(colour.blue()) << 16;
}

}  // namespace vellumo::design
