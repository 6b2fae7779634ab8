// The canvas: job, units, lines, text, tabs and shapes.
#include "printing/base_report.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <cmath>
#include <stdexcept>

#include "printing/drawing_styles.h"
#include "printing/status_format.h"

namespace vellumo {
namespace {

// Text is laid out on a font of this many pixels per inch and drawn with
// that same font scaled to the device, so that the widths measured for
// layout are the widths drawn at every resolution.
constexpr double kMetricDpi = 720;
// Layout positions are compared with this tolerance, so that a line ending
// exactly on the area's bottom counts as inside.
constexpr double kEpsilon = 1e-9;

}  // namespace

TBaseReport::TBaseReport() : pen_(Qt::black), brush_(Qt::NoBrush) {}
TBaseReport::~TBaseReport() = default;

// ---- The job.

bool TBaseReport::Execute() {
  if (painter_) throw std::logic_error("Execute called while the job is running");
  aborted_ = false;
  last_error_.clear();
  if (OnBeforePrint) OnBeforePrint(*this);
  if (!BeginJob()) {
    aborted_ = true;
    return false;
  }
  try {
    page_ = 1;
    SetPen(Qt::black, psSolid, pmCopy, 1);
    SetBrush(Qt::white, bsClear);
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
  } catch (...) {
    // The job's output is discarded and the destination freed for the next.
    aborted_ = true;
    EndJob(true);
    painter_ = nullptr;
    throw;
  }
  if (!EndJob(aborted_)) aborted_ = true;
  painter_ = nullptr;
  if (OnAfterPrint) OnAfterPrint(*this);
  return !aborted_;
}

void TBaseReport::StartPage() {
  painter_->setWorldTransform(CalibrationFrame());
  OriginX = OriginY = 0;
  current_tab_ = -1;
  text_in_tab_ = false;
  LineChanged();
  AreaFromMargins();
  CursorHome();
  RefreshStatus();
  if (OnNewPage) OnNewPage(*this);
  if (OnPrintHeader) OnPrintHeader(*this);
}

void TBaseReport::NewPage() {
  RequireJob("NewPage");
  if (aborted_) return;
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
  if (OnStatus) OnStatus(text);
  return text;
}

bool TBaseReport::Fail(const QString& reason) {
  last_error_ = reason;
  return false;
}

bool TBaseReport::NextPageStartsASheet() const {
  const int next = page_ + 1;
  return next > FirstPage && next <= LastPage;
}

void TBaseReport::RequireJob(const char* operation) const {
  if (!painter_) throw std::logic_error(std::string(operation) + " called outside a running print job");
}

bool TBaseReport::Drawing() const {
  return painter_ != nullptr && !aborted_ && page_ >= FirstPage && page_ <= LastPage;
}

QPointF TBaseReport::Device(double x, double y) const {
  const QPointF origin = DeviceOrigin();
  return QPointF((x + OriginX - origin.x()) * Dpi(), (y + OriginY - origin.y()) * Dpi());
}

QTransform TBaseReport::CalibrationFrame() const {
  // A device pixel d stands for the paper point p = d / dpi + origin; the
  // corrected point is offset + p × factor, again less the origin.
  const double factor = 1 + calibration_.scale_percent / 100;
  const QPointF origin = DeviceOrigin();
  QTransform frame;
  frame.translate((calibration_.offset_x + (factor - 1) * origin.x()) * Dpi(),
                  (calibration_.offset_y + (factor - 1) * origin.y()) * Dpi());
  frame.scale(factor, factor);
  return frame;
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
  if (y != CursorY) LineChanged();
  CursorX = x;
  CursorY = y;
}

void TBaseReport::CursorHome() {
  LineChanged();
  line_ = 1;
  CursorX = AreaLeft;
  CursorY = AreaTop + LineHeight() - FontDescent();
}

void TBaseReport::NewLine() {
  CursorX = AreaLeft;
  ++line_;
  CursorY += LineHeight();
  text_in_tab_ = false;
  LineChanged();
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
  const TextFont& text_font = LayoutFont();
  return text_font.metrics.ascent() * text_font.inches_per_pixel;
}

double TBaseReport::FontDescent() const {
  const TextFont& text_font = LayoutFont();
  return text_font.metrics.descent() * text_font.inches_per_pixel;
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

const TBaseReport::TextFont& TBaseReport::LayoutFont() const {
  const FontChoice choice{font_name_, font_points_, bold_, italic_, underline_};
  if (layout_font_ && layout_choice_ == choice) return *layout_font_;
  // Pixel sizes are whole numbers; the fraction left over goes into the
  // inches of a pixel, so that sizes such as 10.5 points stay exact.
  const double pixels = font_points_ * kMetricDpi / 72.0;
  const int pixel_size = std::max(1, static_cast<int>(std::lround(pixels)));
  QFont font(font_name_);
  font.setPixelSize(pixel_size);
  font.setBold(bold_);
  font.setItalic(italic_);
  font.setUnderline(underline_);
  // Unhinted, so that advances scale exactly with the size.
  font.setHintingPreference(QFont::PreferNoHinting);
  layout_font_.emplace(TextFont{font, QFontMetricsF(font), pixels / pixel_size / kMetricDpi});
  layout_choice_ = choice;
  return *layout_font_;
}

double TBaseReport::TextWidth(const QString& text) const {
  const TextFont& text_font = LayoutFont();
  const double width = text_font.metrics.horizontalAdvance(text) * text_font.inches_per_pixel;
  return std::max(width, 1.0 / Dpi());
}

void TBaseReport::DrawTextAt(const QString& text, double x, int align, double spread) {
  RequireJob("PrintText");
  if (!Drawing()) return;
  const double width = TextWidth(text);
  const double shift = align == Qt::AlignRight ? -width : align == Qt::AlignHCenter ? -width / 2 : 0;
  const double inches_per_pixel = LayoutFont().inches_per_pixel;
  PaintText(Device(x, CursorY), QPointF(shift / inches_per_pixel, 0), text,
            align == Qt::AlignJustify ? spread / inches_per_pixel : 0);
}

void TBaseReport::PaintText(QPointF anchor, QPointF origin, const QString& text, double spread) {
  const TextFont& text_font = LayoutFont();
  const QFontMetricsF& metrics = text_font.metrics;
  // Only the frame is put back afterwards: every drawing sets the pen and
  // font it needs, and a whole saved state costs a PDF page a state change.
  const QTransform frame = painter_->worldTransform();
  painter_->translate(anchor);
  if (font_angle_ != 0) painter_->rotate(-font_angle_);
  const double device_pixels_per_font_pixel = Dpi() * text_font.inches_per_pixel;
  painter_->scale(device_pixels_per_font_pixel, device_pixels_per_font_pixel);
  painter_->setFont(text_font.font);
  // Block text: the room left over is shared out among the blanks. The
  // text is measured only when something depends on its width.
  const bool opaque = TextBKMode == bkOpaque;
  const QStringList words = spread > 0 ? text.split(QLatin1Char(' ')) : QStringList();
  const double advance = spread > 0 || opaque ? metrics.horizontalAdvance(text) : 0;
  const double extra = spread > advance && words.size() > 1 ? (spread - advance) / (words.size() - 1) : 0;
  if (opaque) {
    const double drawn_width = extra > 0 ? spread : advance;
    painter_->fillRect(QRectF(origin.x(), origin.y() - metrics.ascent(), drawn_width, metrics.height()), brush_color_);
  }
  painter_->setPen(font_color_);
  if (painter_->device()->devType() == QInternal::Picture) {
    // A recorded text is replayed with its line's top at the baseline less
    // the ascent in whole pixels; it is recorded that fraction lower so that
    // the replay lands on the baseline.
    origin.ry() += QFontMetrics(text_font.font).ascent() - metrics.ascent();
  }
  if (extra > 0) {
    double x = origin.x();
    for (const QString& word : words) {
      painter_->drawText(QPointF(x, origin.y()), word);
      x += metrics.horizontalAdvance(word + QLatin1Char(' ')) + extra;
    }
  } else {
    painter_->drawText(origin, text);
  }
  painter_->setWorldTransform(frame);
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
    case kJustifyBlock: {
      const double spread = tab.width - 2 * margin;
      DrawTextAt(text, tab.x + margin, Qt::AlignJustify, spread);
      CursorX = tab.x + margin + std::max(spread, TextWidth(text));
      break;
    }
    default:
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
  RequireJob("TextInRect");
  if (!Drawing()) return;
  painter_->save();
  if (brush_.style() != Qt::NoBrush) painter_->fillRect(rect, brush_);
  painter_->setClipRect(rect);
  // The text's top-left corner lies on (x, y), whatever its angle.
  PaintText(Device(x, y), QPointF(0, LayoutFont().metrics.ascent()), text);
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
  LineChanged();
}

void TBaseReport::SaveTabs() { saved_tabs_.push_back(tabs_); }

void TBaseReport::RestoreTabs() {
  if (saved_tabs_.empty()) return;
  tabs_ = std::move(saved_tabs_.back());
  saved_tabs_.pop_back();
  current_tab_ = -1;
  text_in_tab_ = false;
  LineChanged();
}

double TBaseReport::TabTextStart(int n) const {
  const int index = n == 0 ? current_tab_ : n - 1;
  if (index < 0 || index >= static_cast<int>(tabs_.size())) return 0;
  return tabs_[static_cast<size_t>(index)].x + tabs_[static_cast<size_t>(index)].margin / 100.0;
}

void TBaseReport::NextTab(int left, int right, int shade, int bottom, int top) {
  RequireJob("NextTab");
  if (tab_line_changed_) {
    current_tab_ = -1;
    tab_line_changed_ = false;
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
      painter_->setPen(MakePen(Qt::black, Qt::SolidLine, argument));
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

QPen TBaseReport::MakePen(const QColor& color, Qt::PenStyle style, int width) const {
  QPen pen(color, width > 0 ? width : std::max(1.0, -width / 100.0 * Dpi()), style);
  // A width in device pixels stays so many pixels on whatever shows the
  // page, so that a one-pixel rule still shows in a scaled-down preview.
  pen.setCosmetic(width > 0);
  return pen;
}

void TBaseReport::SetPen(const QColor& color, int style, int mode, int width) {
  pen_ = MakePen(color, QtPenStyle(style), width);
  pen_.setJoinStyle(Qt::MiterJoin);
  pen_mode_ = mode;
  pen_inside_frame_ = style == psInsideFrame;
}

void TBaseReport::SetBrush(const QColor& color, int style, const QImage& pattern) {
  brush_ = QtBrush(color, style, pattern);
  brush_color_ = color;
}

bool TBaseReport::PrepareShape() {
  const PenModeEffect effect = EffectOfPenMode(pen_mode_);
  if (!effect.draws) return false;
  QPen pen = pen_;
  QBrush brush = brush_;
  if (effect.fixed_color) {
    pen.setColor(effect.color);
    if (brush.style() != Qt::NoBrush) brush = QBrush(effect.color, brush.style());
  } else if (effect.invert_color) {
    const QColor c = pen.color();
    pen.setColor(QColor(255 - c.red(), 255 - c.green(), 255 - c.blue()));
  }
  painter_->setCompositionMode(effect.composition);
  painter_->setPen(pen);
  painter_->setBrush(brush);
  return true;
}

QRectF TBaseReport::ShapeRect(double x1, double y1, double x2, double y2) const {
  const QRectF rect = MakeRect(x1, y1, x2, y2);
  if (!pen_inside_frame_) return rect;
  // The outline's outer edge runs along the rectangle.
  const double half = pen_.widthF() / 2;
  return rect.adjusted(half, half, -half, -half);
}

void TBaseReport::MoveTo(double x, double y) {
  RequireJob("MoveTo");
  pen_position_ = Device(x, y);
}

void TBaseReport::LineTo(double x, double y) {
  RequireJob("LineTo");
  const QPointF to = Device(x, y);
  if (Drawing()) {
    painter_->save();
    if (PrepareShape()) painter_->drawLine(pen_position_, to);
    painter_->restore();
  }
  pen_position_ = to;
}

void TBaseReport::DrawRectangle(double x1, double y1, double x2, double y2) {
  RequireJob("DrawRectangle");
  if (!Drawing()) return;
  painter_->save();
  if (PrepareShape()) painter_->drawRect(ShapeRect(x1, y1, x2, y2));
  painter_->restore();
}

void TBaseReport::DrawRectangles(const std::vector<QRectF>& rects) {
  RequireJob("DrawRectangles");
  if (!Drawing() || rects.empty()) return;
  painter_->save();
  if (PrepareShape()) {
    QList<QRectF> device;
    device.reserve(qsizetype(rects.size()));
    for (const QRectF& r : rects) device.append(ShapeRect(r.left(), r.top(), r.right(), r.bottom()));
    painter_->drawRects(device.constData(), int(device.size()));
  }
  painter_->restore();
}

void TBaseReport::DrawRoundRect(double x1, double y1, double x2, double y2, double corner_width, double corner_height) {
  RequireJob("DrawRoundRect");
  if (!Drawing()) return;
  painter_->save();
  if (PrepareShape()) {
    painter_->drawRoundedRect(ShapeRect(x1, y1, x2, y2), DevicePixels(corner_width) / 2,
                              DevicePixels(corner_height) / 2);
  }
  painter_->restore();
}

void TBaseReport::DrawEllipse(double x1, double y1, double x2, double y2) {
  RequireJob("DrawEllipse");
  if (!Drawing()) return;
  painter_->save();
  if (PrepareShape()) painter_->drawEllipse(ShapeRect(x1, y1, x2, y2));
  painter_->restore();
}

void TBaseReport::DrawBitmapInRect(const QImage& image, double x1, double y1, double x2, double y2) {
  RequireJob("DrawBitmapInRect");
  if (Drawing()) painter_->drawImage(MakeRect(x1, y1, x2, y2), image);
}

void TBaseReport::DrawGraphicInRect(const QRectF& rect, const QPicture& picture) {
  RequireJob("DrawGraphicInRect");
  const QRect bounds = picture.boundingRect();
  if (!Drawing() || bounds.isEmpty()) return;
  painter_->save();
  painter_->translate(rect.topLeft());
  // Playing a picture scales it by the device's resolution over the
  // picture's own; the rectangle already is in device pixels.
  const QPaintDevice& device = *painter_->device();
  const double played_x = double(device.logicalDpiX()) / picture.logicalDpiX();
  const double played_y = double(device.logicalDpiY()) / picture.logicalDpiY();
  painter_->scale(rect.width() / bounds.width() / played_x, rect.height() / bounds.height() / played_y);
  painter_->drawPicture(-bounds.topLeft(), picture);
  painter_->restore();
}

}  // namespace vellumo
