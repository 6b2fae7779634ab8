// The preview window.
#include "printing/windows/preview_form.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/windows/window_placement_ops.h"
#include "core/windows/help.h"

namespace vellumo {
namespace {

constexpr double kScreenPixelsPerInch = 96;
// Space around the page, as a share of its size.
constexpr double kPageMarginShare = 0.025;

const QString kWindowClass = QStringLiteral("TPreviewForm");

}  // namespace

double ClampZoom(double percent) { return std::clamp(percent, kMinZoom, kMaxZoom); }

TFilePreview::TFilePreview(const PageStore& store, QWidget* parent) : QWidget(parent), store_(store) {
  setCursor(Qt::CrossCursor);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Dark);
}

double TFilePreview::PixelsPerInch() const { return kScreenPixelsPerInch * zoom_ / 100; }

QSize TFilePreview::PageSize() const {
  return QSize(qRound(store_.page_inches.width() * PixelsPerInch()), qRound(store_.page_inches.height() * PixelsPerInch()));
}

int TFilePreview::Margin() const { return qRound(std::max(PageSize().width(), PageSize().height()) * kPageMarginShare); }

QSize TFilePreview::sizeHint() const { return PageSize() + QSize(2 * Margin(), 2 * Margin()); }

void TFilePreview::SetPage(size_t page) {
  page_ = std::min(page, store_.pages.empty() ? size_t{0} : store_.pages.size() - 1);
  update();
}

void TFilePreview::SetZoom(double percent) {
  zoom_ = ClampZoom(percent);
  resize(sizeHint());
  update();
}

double TFilePreview::ZoomForWidth(int width) const {
  if (store_.page_inches.width() <= 0) return 100;
  return width / (1 + 2 * kPageMarginShare) / (store_.page_inches.width() * kScreenPixelsPerInch) * 100;
}

double TFilePreview::ZoomForPage(QSize size) const {
  if (store_.page_inches.isEmpty()) return 100;
  const double by_height =
      size.height() / (1 + 2 * kPageMarginShare) / (store_.page_inches.height() * kScreenPixelsPerInch) * 100;
  return std::min(ZoomForWidth(size.width()), by_height);
}

void TFilePreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect page(QPoint(Margin(), Margin()), PageSize());
  painter.fillRect(page, Qt::white);
  painter.setClipRect(page);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(page.topLeft());
  store_.Replay(page_, &painter, PixelsPerInch() / store_.dpi);
}

void TFilePreview::mousePressEvent(QMouseEvent* event) { Q_EMIT clicked(event->button()); }

TPreviewForm::TPreviewForm(const PageStore& store, const QString& caption, int zoom_mode, QWidget* parent)
    : QDialog(parent), store_(store), base_caption_(caption), zoom_mode_(zoom_mode), page_count_(store.pages.size()) {
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
  view_ = new TFilePreview(store, this);
  scroller_ = new QScrollArea(this);
  scroller_->setWidget(view_);
  scroller_->setAlignment(Qt::AlignHCenter);
  scroller_->setBackgroundRole(QPalette::Dark);

  auto* buttons = new QHBoxLayout;
  auto add = [this, buttons](const QString& name, QStyle::StandardPixmap icon, const QString& text) {
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    button->setToolTip(name);
    button->setAutoDefault(false);
    if (text.isEmpty()) {
      button->setIcon(style()->standardIcon(icon));
    } else {
      button->setText(text);
    }
    buttons->addWidget(button);
    return button;
  };
  auto* ok = new QPushButton(QStringLiteral("Ok"), this);
  ok->setDefault(true);
  buttons->addWidget(ok);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(add(QStringLiteral("Zoom in"), QStyle::SP_ArrowUp, QStringLiteral("+")), &QPushButton::clicked, this,
          &TPreviewForm::ZoomIn);
  connect(add(QStringLiteral("Zoom out"), QStyle::SP_ArrowDown, QStringLiteral("-")), &QPushButton::clicked, this,
          &TPreviewForm::ZoomOut);
  connect(add(QStringLiteral("Page width"), QStyle::SP_ArrowDown, QStringLiteral("Page &Width")), &QPushButton::clicked,
          this, [this] { ApplyZoomMode(kPageWidth); });
  connect(add(QStringLiteral("Whole page"), QStyle::SP_ArrowDown, QStringLiteral("W&hole Page")), &QPushButton::clicked,
          this, [this] { ApplyZoomMode(kWholePage); });
  connect(add(QStringLiteral("100%"), QStyle::SP_ArrowDown, QStringLiteral("100%")), &QPushButton::clicked, this,
          [this] { ApplyZoomMode(100); });
  const std::pair<const char*, QStyle::StandardPixmap> moves[] = {{"First page", QStyle::SP_MediaSkipBackward},
                                                                  {"Previous page", QStyle::SP_MediaSeekBackward},
                                                                  {"Next page", QStyle::SP_MediaSeekForward},
                                                                  {"Last page", QStyle::SP_MediaSkipForward}};
  for (const auto& [name, icon] : moves) {
    QPushButton* button = add(QLatin1String(name), icon, QString());
    page_buttons_.push_back(button);
    const QString move = QLatin1String(name);
    connect(button, &QPushButton::clicked, this, [this, move] {
      const int page = static_cast<int>(view_->page());
      if (move == QLatin1String("First page")) GoToPage(0);
      if (move == QLatin1String("Previous page")) GoToPage(page - 1);
      if (move == QLatin1String("Next page")) GoToPage(page + 1);
      if (move == QLatin1String("Last page")) GoToPage(static_cast<int>(page_count_) - 1);
    });
  }
  // A page number typed and confirmed with Enter is shown at once.
  page_box_ = new QSpinBox(this);
  page_box_->setObjectName(QStringLiteral("Page number"));
  page_box_->setToolTip(QStringLiteral("Page number"));
  page_box_->setKeyboardTracking(false);
  page_box_->installEventFilter(this);
  connect(page_box_, &QSpinBox::valueChanged, this, [this](int page) { GoToPage(page - 1); });
  buttons->addWidget(page_box_);
  page_count_label_ = new QLabel(this);
  buttons->addWidget(page_count_label_);
  progress_ = new QLabel(this);
  buttons->addWidget(progress_);
  stop_button_ = add(QStringLiteral("Stop"), QStyle::SP_MediaStop, QStringLiteral("Stop"));
  stop_button_->hide();
  connect(stop_button_, &QPushButton::clicked, this, [this] {
    if (stop_) stop_();
  });
  buttons->addStretch();
  QPushButton* help = add(QStringLiteral("Help"), QStyle::SP_DialogHelpButton, QStringLiteral("Help"));
  connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(kHelpContext, this); });
  connect(view_, &TFilePreview::clicked, this,
          [this](Qt::MouseButton button) { button == Qt::LeftButton ? ZoomIn() : ZoomOut(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(scroller_, 1);
  resize(820, 680);
  RestoreWindowPlacement(this, kWindowClass);
  ApplyZoomMode(zoom_mode_);
  UpdatePageCount();
  setWindowTitle(base_caption_);  // until the page or the zoom changes
}

void TPreviewForm::SetPageCount(size_t count) {
  page_count_ = std::min(count, store_.pages.size());
  UpdatePageCount();
  if (view_->page() >= page_count_ && page_count_ > 0) GoToPage(static_cast<int>(page_count_) - 1);
}

void TPreviewForm::UpdatePageCount() {
  const bool several = page_count_ >= 2;
  for (QPushButton* button : page_buttons_) button->setVisible(several);
  page_box_->setVisible(several);
  const QSignalBlocker quiet(page_box_);
  page_box_->setRange(1, static_cast<int>(std::max<size_t>(page_count_, 1)));
  page_box_->setValue(static_cast<int>(view_->page()) + 1);
  page_count_label_->setText(QStringLiteral("Page ") + QString::number(view_->page() + 1) + QStringLiteral(" of ") +
                             QString::number(page_count_));
}

void TPreviewForm::StartRecording(std::function<void()> stop) {
  stop_ = std::move(stop);
  stop_button_->show();
}

void TPreviewForm::ShowProgress(const QString& text) {
  QString line = text;
  progress_->setText(line.replace(QLatin1Char('\r'), QLatin1Char(' ')).trimmed());
}

void TPreviewForm::FinishRecording(const QString& outcome) {
  stop_ = nullptr;
  stop_button_->hide();
  ShowProgress(outcome);
  SetPageCount(store_.pages.size());
  UpdateCaption();
}

bool TPreviewForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == page_box_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      // Enter takes the typed number instead of closing the window.
      page_box_->interpretText();
      GoToPage(page_box_->value() - 1);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

QPushButton* TPreviewForm::page_button(const QString& name) const {
  for (QPushButton* button : page_buttons_) {
    if (button->objectName() == name) return button;
  }
  return nullptr;
}

void TPreviewForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The viewport has its size only now.
  if (zoom_mode_ == kWholePage || zoom_mode_ == kPageWidth) {
    ApplyZoomMode(zoom_mode_);
    setWindowTitle(base_caption_);
  }
}

void TPreviewForm::ApplyZoomMode(int mode) {
  const QSize viewport = scroller_->viewport()->size();
  if (mode == kWholePage) {
    view_->SetZoom(view_->ZoomForPage(viewport));
  } else if (mode == kPageWidth) {
    view_->SetZoom(view_->ZoomForWidth(viewport.width() - scroller_->verticalScrollBar()->sizeHint().width()));
  } else {
    view_->SetZoom(mode);
  }
  UpdateCaption();
}

void TPreviewForm::ZoomIn() {
  view_->SetZoom(view_->zoom() + kZoomStep);
  UpdateCaption();
}

void TPreviewForm::ZoomOut() {
  view_->SetZoom(view_->zoom() - kZoomStep);
  UpdateCaption();
}

void TPreviewForm::GoToPage(int page) {
  const int last = std::max(static_cast<int>(page_count_) - 1, 0);
  view_->SetPage(static_cast<size_t>(std::clamp(page, 0, last)));
  UpdatePageCount();
  UpdateCaption();
}

void TPreviewForm::UpdateCaption() {
  setWindowTitle(QStringLiteral("Preview Page ") + QString::number(view_->page() + 1) + QStringLiteral(" of ") +
                 QString::number(page_count_) + QStringLiteral(" ( ") +
                 QString::number(std::lround(view_->zoom())) + QStringLiteral("% )"));
}

void TPreviewForm::keyPressEvent(QKeyEvent* event) {
  QScrollBar* bar = scroller_->verticalScrollBar();
  if (event->key() == Qt::Key_Up) {
    bar->setValue(bar->value() - bar->singleStep());
  } else if (event->key() == Qt::Key_Down) {
    bar->setValue(bar->value() + bar->singleStep());
  } else if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    accept();
  } else {
    QDialog::keyPressEvent(event);
  }
}

void TPreviewForm::done(int result) {
  // Closed while the job still records: the job stops too.
  if (stop_) std::exchange(stop_, nullptr)();
  stop_button_->hide();
  SaveWindowPlacement(this, kWindowClass);
  QDialog::done(result);
}

}  // namespace vellumo
