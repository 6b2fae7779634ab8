// TBaseReport: the page canvas every printed page is drawn on. Positions
// are inches from the paper's top-left corner (plus OriginX/OriginY); the
// canvas keeps margins and a print area, a cursor on text lines, tab
// cells, a font, a pen and a brush, and runs a print job through its
// events. The destinations derive from it: TCanvasReport draws pages as
// images, TReportPdf into a PDF file, TReportFiler into a page store for
// preview (and, with the windows, TReportPrinter on the shared printer).
// The canvas needs no window or event loop: progress goes to OnStatus and
// a job that fails keeps its reason in LastError for the caller to show.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QMarginsF>
#include <QPainter>
#include <QPen>
#include <QPicture>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <functional>
#include <optional>
#include <vector>

#include "printing/printer_calibration.h"

namespace vellumo {

enum class LineHeightMethod { kFont, kLinesPerInch };
enum TabJustify { kJustifyCenter = 0, kJustifyLeft = 1, kJustifyRight = 2, kJustifyBlock = 3 };
enum TabBorder { kBorderLeft = 1, kBorderRight = 2, kBorderTop = 4, kBorderBottom = 8 };
// Text on the page as it is (transparent) or on a box of the brush's colour.
enum TextBackground { bkTransparent, bkOpaque };
// Passed for "the cell's own setting" (or, for AddTab's x, "after the
// previous cell").
inline constexpr int kDefault = -32768;

class TBaseReport {
 public:
  using Event = std::function<void(TBaseReport&)>;
  using PageEvent = std::function<bool(TBaseReport&)>;

  virtual ~TBaseReport();
  TBaseReport(const TBaseReport&) = delete;
  TBaseReport& operator=(const TBaseReport&) = delete;

  // ---- The job.
  Event OnBeforePrint, OnPrint, OnNewPage, OnPrintHeader, OnPrintFooter, OnAfterPrint;
  PageEvent OnPrintPage;  // called until it returns false, when OnPrint is not set
  QString Title = QStringLiteral("Vellumo");
  int FirstPage = 1;
  int LastPage = 9999;
  // Runs the job; false when it could not start or its output could not
  // be completed (LastError says why; the job then counts as aborted), or
  // when it was aborted (LastError empty).
  bool Execute();
  const QString& LastError() const { return last_error_; }
  // REQUIRES: a running job (std::logic_error otherwise), as for every
  // drawing call below.
  void NewPage();
  void Abort() { aborted_ = true; }
  bool IsAborted() const { return aborted_; }
  int PageNumber() const { return page_; }
  bool Printing() const { return painter_ != nullptr; }

  // The correction every page of the jobs that follow is drawn with
  // (positions and sizes alike), brought into its range. None by default.
  void SetCalibration(const PrinterCalibration& calibration) { calibration_ = ClampedCalibration(calibration); }
  const PrinterCalibration& Calibration() const { return calibration_; }

  // ---- Progress.
  // Called with the expanded StatusFormat at every new page; a status
  // window shows it and lets pending input through there.
  std::function<void(const QString&)> OnStatus;
  QString StatusFormat = QStringLiteral("Printing page %p");
  QStringList StatusText;
  // The expanded template, also passed to OnStatus.
  QString RefreshStatus();
  virtual QString PrinterName() const = 0;
  virtual QString DriverName() const = 0;
  virtual QString Port() const = 0;

  // ---- Paper, margins and area (inches).
  virtual double PageWidth() const = 0;
  virtual double PageHeight() const = 0;
  double MarginLeft() const { return margin_left_; }
  double MarginTop() const { return margin_top_; }
  double MarginRight() const { return margin_right_; }
  double MarginBottom() const { return margin_bottom_; }
  void SetMarginLeft(double inches);
  void SetMarginTop(double inches);
  void SetMarginRight(double inches);
  void SetMarginBottom(double inches);
  // The strips along the paper's edges the device cannot reach.
  double UnprintableLeft() const { return Unprintable().left(); }
  double UnprintableTop() const { return Unprintable().top(); }
  double UnprintableRight() const { return Unprintable().right(); }
  double UnprintableBottom() const { return Unprintable().bottom(); }
  double AreaLeft = 0, AreaTop = 0, AreaRight = 0, AreaBottom = 0;
  void AreaFromMargins();
  double OriginX = 0, OriginY = 0;

  // ---- Cursor and lines.
  LineHeightMethod LineHeightMethodUsed = LineHeightMethod::kFont;
  double LinesPerInch = 6;
  double CursorX = 0, CursorY = 0;  // CursorY is a baseline
  int LineNumber() const { return line_; }
  void MoveCursor(double x, double y);
  void CursorHome();
  void NewLine();
  int LinesRemaining() const;
  double LineHeight() const;
  double FontHeight() const { return font_points_ / 72.0; }
  double FontAscent() const;
  double FontDescent() const;

  // ---- Fonts and text.
  void SetFont(const QString& name, double points);
  void SetBold(bool on);
  void SetItalic(bool on);
  void SetUnderline(bool on);
  void SetFontColor(const QColor& color);
  // Text turns about its anchor: the baseline point it is printed at, or
  // the top-left corner given to TextInRect.
  void SetFontAngle(double degrees);
  TextBackground TextBKMode = bkTransparent;
  double TextWidth(const QString& text) const;
  void PrintText(const QString& text);
  void PrintTextLn(const QString& text);
  void PrintLeftAt(const QString& text, double x);
  void PrintCenterAt(const QString& text, double x);
  void PrintRightAt(const QString& text, double x);
  // The device rectangle of an inch rectangle, for TextInRect and DrawGraphicInRect.
  QRectF MakeRect(double x1, double y1, double x2, double y2) const;
  // The text with its top-left corner at (x, y) inches, clipped to `rect`.
  void TextInRect(const QRectF& rect, double x, double y, const QString& text);

  // ---- Tabs.
  int TabShade = 0;
  void AddTab(double x, int justify, double width, int margin_hundredths, int borders, int shade);
  void ClearTabs();
  void NextTab(int left = kDefault, int right = kDefault, int shade = kDefault, int bottom = kDefault,
               int top = kDefault);
  void SaveTabs();
  void RestoreTabs();
  double TabTextStart(int n) const;

  // ---- Drawing.
  // width > 0: device pixels; < 0: |width| hundredths of an inch. Styles
  // and modes are those of drawing_styles.h (pmCopy is plain drawing); an
  // inside-frame outline stays within the shape's rectangle.
  void SetPen(const QColor& color, int style, int mode, int width);
  // Styles of drawing_styles.h (0 solid, 1 clear, 2..7 hatches); a
  // `pattern` is tiled instead of the hatch.
  void SetBrush(const QColor& color, int style, const QImage& pattern = QImage());
  void MoveTo(double x, double y);
  void LineTo(double x, double y);
  void DrawRectangle(double x1, double y1, double x2, double y2);
  // Many rectangles (inches) with the same pen and brush at once, which a
  // PDF writes as one shape instead of one per rectangle.
  void DrawRectangles(const std::vector<QRectF>& rects);
  void DrawRoundRect(double x1, double y1, double x2, double y2, double corner_width, double corner_height);
  void DrawEllipse(double x1, double y1, double x2, double y2);
  void DrawBitmapInRect(const QImage& image, double x1, double y1, double x2, double y2);
  void DrawGraphicInRect(const QRectF& rect, const QPicture& picture);

 protected:
  TBaseReport();
  // Device resolution in dots per inch, the strips the device cannot
  // reach (inches), and where on the paper the device's own origin lies
  // (inches; the unprintable corner unless the device records the whole
  // paper).
  virtual double Dpi() const = 0;
  virtual QMarginsF Unprintable() const { return {}; }
  virtual QPointF DeviceOrigin() const { return {Unprintable().left(), Unprintable().top()}; }
  // The destination: start the job (false: it cannot), start a further
  // page (called while PageNumber is still the finished page's), finish
  // the job (discarding it when aborted).
  virtual bool BeginJob() = 0;
  virtual void BeginNextPage() = 0;
  // EndJob returns false when the output could not be completed; the job
  // then counts as aborted.
  virtual bool EndJob(bool aborted) = 0;
  // For BeginJob and EndJob: keeps `reason` as LastError, returns false.
  bool Fail(const QString& reason);
  // Whether the page after the current one is output on a sheet of its
  // own: pages outside FirstPage..LastPage are laid out but not output,
  // and the first page of the range is the sheet the job opened with.
  bool NextPageStartsASheet() const;
  // The painter of the page being drawn, set by BeginJob.
  QPainter* painter_ = nullptr;

 private:
  struct Tab {
    double x, width;
    int justify, margin, borders, shade;
  };
  // The font text is laid out and drawn with, its metrics, and the inches
  // of one of its pixels.
  struct TextFont {
    QFont font;
    QFontMetricsF metrics;
    double inches_per_pixel;
  };
  // What the layout font is made from.
  struct FontChoice {
    QString name;
    double points;
    bool bold, italic, underline;
    bool operator==(const FontChoice&) const = default;
  };
  // Throws std::logic_error when no job is running.
  void RequireJob(const char* operation) const;
  // Whether drawing shows: a running job, not aborted, a page in range.
  bool Drawing() const;
  QPointF Device(double x, double y) const;
  // The painter's frame for the calibration: device pixels of the drawn
  // page to device pixels of the corrected one.
  QTransform CalibrationFrame() const;
  double DevicePixels(double inches) const { return inches * Dpi(); }
  // Made again only when the font choice changed: objects set their font
  // for every label, and a font is costly to resolve and measure.
  const TextFont& LayoutFont() const;
  // Text on the current baseline anchored at x: its start (AlignLeft), end
  // (AlignRight) or middle (AlignHCenter); AlignJustify spreads it over
  // `spread` inches at the blanks.
  void DrawTextAt(const QString& text, double x, int align, double spread = 0);
  // Draws `text` with its baseline origin at `origin` (font pixels) in a
  // frame turned by the font angle about the device point `anchor`.
  void PaintText(QPointF anchor, QPointF origin, const QString& text, double spread = 0);
  void PrintPieces(const QString& text);
  void StartPage();
  void LineChanged() { tab_line_changed_ = true; }
  // Sets the painter up for a shape with the pen and brush; false when the
  // pen mode draws nothing.
  bool PrepareShape();
  // A pen `width` as SetPen takes it.
  QPen MakePen(const QColor& color, Qt::PenStyle style, int width) const;
  QRectF ShapeRect(double x1, double y1, double x2, double y2) const;

  int page_ = 0;
  bool aborted_ = false;
  PrinterCalibration calibration_;
  QString last_error_;
  double margin_left_ = 0, margin_top_ = 0, margin_right_ = 0, margin_bottom_ = 0;
  int line_ = 1;
  QString font_name_ = QStringLiteral("Arial");
  double font_points_ = 10;
  bool bold_ = false, italic_ = false, underline_ = false;
  mutable std::optional<FontChoice> layout_choice_;
  mutable std::optional<TextFont> layout_font_;
  QColor font_color_ = Qt::black;
  double font_angle_ = 0;
  std::vector<Tab> tabs_;
  std::vector<std::vector<Tab>> saved_tabs_;
  int current_tab_ = -1;          // index into tabs_, -1 before the first
  bool tab_line_changed_ = true;  // the next NextTab starts at the first cell
  bool text_in_tab_ = false;      // the next text goes into the current cell
  QPen pen_;
  int pen_mode_ = 4;  // pmCopy
  bool pen_inside_frame_ = false;
  QBrush brush_;
  QColor brush_color_ = Qt::white;  // also the box behind opaque text
  QPointF pen_position_;
};

}  // namespace vellumo
