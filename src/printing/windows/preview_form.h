// TFilePreview shows one page of a page store at a zoom; TPreviewForm is
// the preview window around it: zoom buttons, page buttons (hidden for a
// one-page document), and the caption "Preview Page n of m ( z% )".
#pragma once

#include <QDialog>
#include <QWidget>

#include "printing/page_store.h"

class QLabel;
class QPushButton;
class QScrollArea;

namespace vellumo {

// Zoom limits in percent, and the step of zoom in and out.
inline constexpr double kMinZoom = 10;
inline constexpr double kMaxZoom = 200;
inline constexpr double kZoomStep = 10;
double ClampZoom(double percent);

class TFilePreview : public QWidget {
  Q_OBJECT

 public:
  TFilePreview(const PageStore& store, QWidget* parent = nullptr);
  void SetPage(size_t page);
  void SetZoom(double percent);
  size_t page() const { return page_; }
  double zoom() const { return zoom_; }
  // The zoom at which a page fills this width or this size.
  double ZoomForWidth(int width) const;
  double ZoomForPage(QSize size) const;
  QSize sizeHint() const override;

 Q_SIGNALS:
  void clicked(Qt::MouseButton button);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  double PixelsPerInch() const;  // at the current zoom, on a 96-pixel screen
  QSize PageSize() const;
  int Margin() const;

  const PageStore& store_;
  size_t page_ = 0;
  double zoom_ = 100;
};

class TPreviewForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kHelpContext = 1074;
  enum ZoomMode { kWholePage = 1, kPageWidth = 2 };

  // `zoom_mode`: kWholePage, kPageWidth or a percentage.
  TPreviewForm(const PageStore& store, const QString& caption, int zoom_mode, QWidget* parent = nullptr);

  TFilePreview* view() const { return view_; }
  QPushButton* page_button(const QString& name) const;
  void ZoomIn();
  void ZoomOut();
  void GoToPage(int page);  // from 0; clamped

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void done(int result) override;

 private:
  void ApplyZoomMode(int mode);
  void UpdateCaption();

  const PageStore& store_;
  QString base_caption_;
  int zoom_mode_;
  TFilePreview* view_;
  QScrollArea* scroller_;
  std::vector<QPushButton*> page_buttons_;
};

}  // namespace vellumo
