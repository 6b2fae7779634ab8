// The canvas: job, units, lines, text, tabs and shapes.
#include "printing/base_report.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <cmath>

#include "printing/status_format.h"

namespace vellumo {
namespace {

// Font metrics are taken from a font of this many pixels per inch, so that
// they do not depend on any device.
constexpr double kMetricDpi = 720;
// Layout positions are compared with this tolerance, so that a line ending
// exactly on the area's bottom counts as inside.
constexpr double kEpsilon = 1e-9;

QFont FontFor(const QString& name, double points, double dpi, bool bold, bool italic, bool underline) {
  QFont font(name);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * dpi / 72.0))));
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  return font;
}

}  // namespace

TBaseReport::TBaseReport() : pen_(Qt::black), brush_(Qt::NoBrush) {}
TBaseReport::~TBaseReport() = default;

// ---- The job.

bool TBaseReport::Execute() {
  aborted_ = false;
  if (OnBeforePrint) OnBeforePrint(*this);
  if (!BeginJob()) return false;
  page_ = 1;
  SetPen(Qt::black, 0, 1);
  SetBrush(Qt::white, 1);
  ClearTabs();
  StartPage();
  if (OnPrint || !OnPrintPage) {
    if (OnPrint && !aborted_) OnPrint(*this);
  } else {
    while (!aborted_ && OnPrintPage(*this)) {
      if (!aborted_) NewPage();
    }
  }
  if (!aborted_ && OnPrintFooter) OnPrintFooter(*this);
  EndJob(aborted_);
  painter_ = nullptr;
  if (OnAfterPrint) OnAfterPrint(*this);
  return !aborted_;
}

void TBaseReport::StartPage() {
  OriginX = OriginY = 0;
  current_tab_ = -1;
  text_in_tab_ = false;
  AreaFromMargins();
  CursorHome();
  RefreshStatus();
  if (OnNewPage) OnNewPage(*this);
  if (OnPrintHeader) OnPrintHeader(*this);
}

void TBaseReport::NewPage() {
  if (!painter_ || aborted_) return;
  if (OnPrintFooter) OnPrintFooter(*this);
  BeginNextPage();
  ++page_;
  StartPage();
}

QString TBaseReport::RefreshStatus() {
  StatusValues values;
  values.page = page_;
  values.lines = StatusText;
  values.first_page = FirstPage;
  values.last_page = LastPage;
  values.printer = PrinterName();
  values.driver = DriverName();
  values.port = Port();
  const QString text = ExpandStatusFormat(StatusFormat, values);
  if (StatusLabel) StatusLabel->setText(text);
  QApplication::processEvents();
  return text;
}

bool TBaseReport::Drawing() const {
  return painter_ != nullptr && !aborted_ && page_ >= FirstPage && page_ <= LastPage;
}

QPointF TBaseReport::Device(double x, double y) const {
  const QMarginsF strips = Unprintable();
  return QPointF((x + OriginX - strips.left()) * Dpi(), (y + OriginY - strips.top()) * Dpi());
}

// ---- Margins and area.

void TBaseReport::SetMarginLeft(double inches) { AreaLeft = margin_left_ = inches; }
void TBaseReport::SetMarginTop(double inches) { AreaTop = margin_top_ = inches; }
void TBaseReport::SetMarginRight(double inches) {
  margin_right_ = inches;
  AreaRight = PageWidth() - inches;
}
void TBaseReport::SetMarginBottom(double inches) {
  margin_bottom_ = inches;
  AreaBottom = PageHeight() - inches;
}

void TBaseReport::AreaFromMargins() {
  AreaLeft = margin_left_;
  AreaTop = margin_top_;
  AreaRight = PageWidth() - margin_right_;
  AreaBottom = PageHeight() - margin_bottom_;
}

// ---- Cursor and lines.

void TBaseReport::MoveCursor(double x, double y) {
  CursorX = x;
  CursorY = y;
}

void TBaseReport::CursorHome() {
  line_ = 1;
  CursorX = AreaLeft;
  CursorY = AreaTop + LineHeight() - FontDescent();
}

void TBaseReport::NewLine() {
  CursorX = AreaLeft;
  ++line_;
  CursorY += LineHeight();
  text_in_tab_ = false;
}

int TBaseReport::LinesRemaining() const {
  const double line_bottom = CursorY + FontDescent();
  if (line_bottom > AreaBottom + kEpsilon) return 0;
  return static_cast<int>(std::floor((AreaBottom - line_bottom) / LineHeight() + kEpsilon)) + 1;
}

double TBaseReport::LineHeight() const {
  return LineHeightMethodUsed == LineHeightMethod::kFont ? font_points_ / 60.0 : 1.0 / LinesPerInch;
}

double TBaseReport::FontAscent() const {
  return QFontMetricsF(FontFor(font_name_, font_points_, kMetricDpi, bold_, italic_, underline_)).ascent() /
         kMetricDpi;
}

double TBaseReport::FontDescent() const {
  return QFontMetricsF(FontFor(font_name_, font_points_, kMetricDpi, bold_, italic_, underline_)).descent() /
         kMetricDpi;
}

// ---- Fonts and text.

void TBaseReport::SetFont(const QString& name, double points) {
  if (points <= 0) return;
  font_name_ = name;
  font_points_ = points;
  bold_ = italic_ = underline_ = false;
  font_color_ = Qt::black;
  font_angle_ = 0;
}

void TBaseReport::SetBold(bool on) { bold_ = on; }
void TBaseReport::SetItalic(bool on) { italic_ = on; }
void TBaseReport::SetUnderline(bool on) { underline_ = on; }
void TBaseReport::SetFontColor(const QColor& color) { font_color_ = color; }
void TBaseReport::SetFontAngle(double degrees) { font_angle_ = std::fmod(std::fmod(degrees, 360.0) + 360.0, 360.0); }

QFont TBaseReport::DeviceFont() const { return FontFor(font_name_, font_points_, Dpi(), bold_, italic_, underline_); }

double TBaseReport::TextWidth(const QString& text) const {
  const double width =
      QFontMetricsF(FontFor(font_name_, font_points_, kMetricDpi, bold_, italic_, underline_)).horizontalAdvance(text) /
      kMetricDpi;
  return std::max(width, 1.0 / Dpi());
}

void TBaseReport::DrawTextAt(const QString& text, double x, int align) {
  const double width = TextWidth(text);
  const double left = align == Qt::AlignRight ? x - width : align == Qt::AlignHCenter ? x - width / 2 : x;
  if (!Drawing()) return;
  painter_->save();
  painter_->setFont(DeviceFont());
  painter_->setPen(font_color_);
  painter_->translate(Device(left, CursorY));
  if (font_angle_ != 0) painter_->rotate(-font_angle_);
  painter_->drawText(QPointF(0, 0), text);
  painter_->restore();
}

void TBaseReport::PrintText(const QString& text) {
  const QStringList pieces = text.split(QLatin1Char('\t'));
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    if (i > 0) NextTab(kDefault, kDefault, kDefault, kDefault, kDefault);
    PrintPieces(pieces.at(i));
  }
}

void TBaseReport::PrintPieces(const QString& text) {
  if (!text_in_tab_ || current_tab_ < 0 || current_tab_ >= static_cast<int>(tabs_.size())) {
    DrawTextAt(text, CursorX, Qt::AlignLeft);
    CursorX += TextWidth(text);
    return;
  }
  // Only the text that follows the tab goes into its cell.
  text_in_tab_ = false;
  const Tab& tab = tabs_[static_cast<size_t>(current_tab_)];
  const double margin = tab.margin / 100.0;
  switch (tab.justify) {
    case kJustifyRight:
      DrawTextAt(text, tab.x + tab.width - margin, Qt::AlignRight);
      CursorX = tab.x + tab.width - margin;
      break;
    case kJustifyCenter:
      DrawTextAt(text, tab.x + tab.width / 2, Qt::AlignHCenter);
      CursorX = tab.x + tab.width / 2 + TextWidth(text) / 2;
      break;
    default:  // left, and block spread from the left
      DrawTextAt(text, tab.x + margin, Qt::AlignLeft);
      CursorX = tab.x + margin + TextWidth(text);
      break;
  }
}

void TBaseReport::PrintTextLn(const QString& text) {
  PrintText(text);
  NewLine();
}

void TBaseReport::PrintLeftAt(const QString& text, double x) {
  DrawTextAt(text, x, Qt::AlignLeft);
  CursorX = x + TextWidth(text);
}

void TBaseReport::PrintCenterAt(const QString& text, double x) {
  DrawTextAt(text, x, Qt::AlignHCenter);
  CursorX = x + TextWidth(text) / 2;
}

void TBaseReport::PrintRightAt(const QString& text, double x) {
  DrawTextAt(text, x, Qt::AlignRight);
  CursorX = x;
}

QRectF TBaseReport::MakeRect(double x1, double y1, double x2, double y2) const {
  return QRectF(Device(x1, y1), Device(x2, y2)).normalized();
}

void TBaseReport::TextInRect(const QRectF& rect, double x, double y, const QString& text) {
  if (!Drawing()) return;
  painter_->save();
  if (brush_.style() != Qt::NoBrush) painter_->fillRect(rect, brush_);
  painter_->setClipRect(rect);
  painter_->setFont(DeviceFont());
  painter_->setPen(font_color_);
  painter_->drawText(Device(x, y + FontAscent()), text);
  painter_->restore();
}

// ---- Tabs.

void TBaseReport::AddTab(double x, int justify, double width, int margin_hundredths, int borders, int shade) {
  if (x < 0) x = tabs_.empty() ? margin_left_ : tabs_.back().x + tabs_.back().width;
  if (width == 0) margin_hundredths = borders = shade = 0;
  tabs_.push_back(Tab{x, width, justify, margin_hundredths, borders, shade});
}

void TBaseReport::ClearTabs() {
  tabs_.clear();
  current_tab_ = -1;
  text_in_tab_ = false;
}

void TBaseReport::SaveTabs() { saved_tabs_.push_back(tabs_); }

void TBaseReport::RestoreTabs() {
  if (saved_tabs_.empty()) return;
  tabs_ = std::move(saved_tabs_.back());
  saved_tabs_.pop_back();
  current_tab_ = -1;
  text_in_tab_ = false;
}

double TBaseReport::TabTextStart(int n) const {
  const int index = n == 0 ? current_tab_ : n - 1;
  if (index < 0 || index >= static_cast<int>(tabs_.size())) return 0;
  return tabs_[static_cast<size_t>(index)].x + tabs_[static_cast<size_t>(index)].margin / 100.0;
}

void TBaseReport::NextTab(int left, int right, int shade, int bottom, int top) {
  if (tab_line_ != line_) {
    current_tab_ = -1;
    tab_line_ = line_;
  }
  if (current_tab_ + 1 >= static_cast<int>(tabs_.size())) {
    current_tab_ = static_cast<int>(tabs_.size());
    text_in_tab_ = false;
    return;
  }
  ++current_tab_;
  text_in_tab_ = true;
  const Tab& tab = tabs_[static_cast<size_t>(current_tab_)];
  if (!Drawing() || tab.width == 0) return;
  const double cell_top = CursorY + FontDescent() - LineHeight();
  const double cell_bottom = CursorY + FontDescent();
  const QRectF cell = MakeRect(tab.x, cell_top, tab.x + tab.width, cell_bottom);
  const int percent = std::clamp(shade == kDefault ? (tab.shade != 0 ? tab.shade : TabShade) : shade, 0, 100);
  if (percent > 0) {
    const int level = 255 * (100 - percent) / 100;
    painter_->fillRect(cell, QColor(level, level, level));
  }
  auto edge = [this, &tab](int argument, int flag, QPointF from, QPointF to) {
    if (argument == 0 || (argument == kDefault && !(tab.borders & flag))) return;
    painter_->save();
    if (argument == kDefault) {
      painter_->setPen(pen_);
    } else {
      const double width = argument > 0 ? argument : std::max(1.0, -argument / 100.0 * Dpi());
      painter_->setPen(QPen(Qt::black, width));
    }
    painter_->drawLine(from, to);
    painter_->restore();
  };
  edge(left, kBorderLeft, cell.topLeft(), cell.bottomLeft());
  edge(right, kBorderRight, cell.topRight(), cell.bottomRight());
  edge(top, kBorderTop, cell.topLeft(), cell.topRight());
  edge(bottom, kBorderBottom, cell.bottomLeft(), cell.bottomRight());
}

// ---- Drawing.

void TBaseReport::SetPen(const QColor& color, int style, int width) {
  static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                             Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
  const double pixels = width > 0 ? width : std::max(1.0, -width / 100.0 * Dpi());
  pen_ = QPen(color, pixels, kStyles[std::clamp(style, 0, 6)]);
  pen_.setJoinStyle(Qt::MiterJoin);
}

void TBaseReport::SetBrush(const QColor& color, int style) { brush_ = style == 1 ? QBrush(Qt::NoBrush) : QBrush(color); }

void TBaseReport::MoveTo(double x, double y) { pen_position_ = Device(x, y); }

void TBaseReport::LineTo(double x, double y) {
  const QPointF to = Device(x, y);
  if (Drawing()) {
    painter_->setPen(pen_);
    painter_->drawLine(pen_position_, to);
  }
  pen_position_ = to;
}

void TBaseReport::DrawRectangle(double x1, double y1, double x2, double y2) {
  if (!Drawing()) return;
  painter_->setPen(pen_);
  painter_->setBrush(brush_);
  painter_->drawRect(MakeRect(x1, y1, x2, y2));
}

void TBaseReport::DrawRoundRect(double x1, double y1, double x2, double y2, double corner_width,
                                double corner_height) {
  if (!Drawing()) return;
  painter_->setPen(pen_);
  painter_->setBrush(brush_);
  painter_->drawRoundedRect(MakeRect(x1, y1, x2, y2), DevicePixels(corner_width) / 2, DevicePixels(corner_height) / 2);
}

void TBaseReport::DrawEllipse(double x1, double y1, double x2, double y2) {
  if (!Drawing()) return;
  painter_->setPen(pen_);
  painter_->setBrush(brush_);
  painter_->drawEllipse(MakeRect(x1, y1, x2, y2));
}

void TBaseReport::DrawBitmapInRect(const QImage& image, double x1, double y1, double x2, double y2) {
  if (Drawing()) painter_->drawImage(MakeRect(x1, y1, x2, y2), image);
}

void TBaseReport::DrawGraphicInRect(const QRectF& rect, const QPicture& picture) {
  const QRect bounds = picture.boundingRect();
  if (!Drawing() || bounds.isEmpty()) return;
  painter_->save();
  painter_->translate(rect.topLeft());
  painter_->scale(rect.width() / bounds.width(), rect.height() / bounds.height());
  painter_->drawPicture(-bounds.topLeft(), picture);
  painter_->restore();
}

}  // namespace vellumo
