// The label design window's rules.
#include "label_design_rules.h"

#include <QRect>
#include <cmath>

#include "core/messages.h"
#include "core/text_codec.h"
#include "design/screen_ppi.h"

namespace vellumo {
namespace {

QString Inches(int units) { return QString::number(units / kScreenPpi, 'f', 2); }

}  // namespace

std::optional<float> ZoomStep(float zoom, bool up) {
  const int tenths = int(std::lround(double(zoom) * 10));
  const int next = up ? tenths + 1 : tenths - 1;
  if (next < kMinZoomTenths || next > kMaxZoomTenths) return std::nullopt;
  return float(next) / 10;
}

QString ZoomCaption(float zoom) { return QString::number(std::lround(double(zoom) * 100)) + QLatin1Char('%'); }

QString LeftReadout(int units) { return QStringLiteral("Left: ") + Inches(units); }
QString TopReadout(int units) { return QStringLiteral("Top: ") + Inches(units); }

QString TemplateTypeText(const Stock& stock) {
  if (stock.maker == "USER") return QStringLiteral("User Defined Label Layout");
  return FromTable(stock.description);
}

QString DefaultFontText(const QFont& font) {
  QString text = QStringLiteral("Default Font: %1, %2 pt ").arg(font.family()).arg(font.pointSize());
  if (font.bold()) text += QStringLiteral(", bold");
  if (font.italic()) text += QStringLiteral(", italic");
  return text;
}

QString MessageLines(const QString& text) {
  QString lines = text;
  lines.replace(QLatin1Char('\r'), QStringLiteral("\r\n"));
  return lines;
}

QString KeptDescription(const QString& typed) { return typed.left(kDescriptionKept); }

const std::vector<WideBarcode>& WideBarcodes() {
  static const std::vector<WideBarcode> barcodes = {
      {design::TLPanelState::psPostNetBarCode, "TGPostNetBarCode", 2.85,
       QStringLiteral("This label is not wide enough for a \rpostnet barcode. At least 2.85 inches are needed")},
      // 65 bars at 22 to the inch take about 2.95 inches.
      {design::TLPanelState::psIMBarCode, "TGIMBarCode", 3.0,
       QStringLiteral("This label is not wide enough for an \rIntelligent Mail barcode. At least 3.00 inches are "
                      "needed")},
  };
  return barcodes;
}

std::optional<QString> NarrowLabelRefusal(design::TLPanelState tool, double width) {
  for (const WideBarcode& barcode : WideBarcodes()) {
    if (barcode.tool == tool && width < barcode.min_inches) return barcode.refusal;
  }
  return std::nullopt;
}

int RemoveBarcodesTooWide(design::TGBasePanel& page, double width) {
  int removed = 0;
  for (const WideBarcode& barcode : WideBarcodes()) {
    if (width >= barcode.min_inches) continue;
    for (const auto& object : page.Objects()) {
      if (object->ClassName() != barcode.class_name) continue;
      ShowInformation(MessageLines(QStringLiteral("Warning: ") + barcode.refusal));
      page.DeleteObject(object.get());  // leaves the selection first
      ++removed;
      break;
    }
  }
  return removed;
}

}  // namespace vellumo
