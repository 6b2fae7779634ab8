// TFilePreview shows one page of a page store at a zoom; TPreviewForm is
// the preview window around it: zoom buttons, page buttons and a page
// number box (hidden for a one-page document), the count "Page n of m",
// and the caption "Preview Page n of m ( z% )". The window can show a
// store that a job is still recording: it then shows only the pages
// finished so far, the job's progress and a "Stop" button.
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>

#include "printing/page_store.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;

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
  QSpinBox* page_box() const { return page_box_; }
  QLabel* page_count_label() const { return page_count_label_; }
  QLabel* progress() const { return progress_; }
  QPushButton* stop_button() const { return stop_button_; }
  void ZoomIn();
  void ZoomOut();
  void GoToPage(int page);  // from 0; clamped to the pages shown

  // The pages shown: the store's first `count` (all of them unless a job
  // is still recording the store).
  size_t page_count() const { return page_count_; }
  void SetPageCount(size_t count);

  // While a job records the store: "Stop" (and closing the window) calls
  // `stop`; the progress line shows the job's status.
  void StartRecording(std::function<void()> stop);
  bool recording() const { return static_cast<bool>(stop_); }
  void ShowProgress(const QString& text);
  // The job has ended: every page of the store is shown, with `outcome`
  // (empty for none) in place of the progress.
  void FinishRecording(const QString& outcome);

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void done(int result) override;

 private:
  void ApplyZoomMode(int mode);
  void UpdateCaption();
  void UpdatePageCount();
  bool eventFilter(QObject* watched, QEvent* event) override;

  const PageStore& store_;
  QString base_caption_;
  int zoom_mode_;
  TFilePreview* view_;
  QScrollArea* scroller_;
  std::vector<QPushButton*> page_buttons_;
  size_t page_count_;
  QSpinBox* page_box_;
  QLabel* page_count_label_;
  QLabel* progress_;
  QPushButton* stop_button_;
  std::function<void()> stop_;
};

}  // namespace vellumo
