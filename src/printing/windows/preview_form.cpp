// The preview window.
#include "printing/windows/preview_form.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

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
    : QDialog(parent), store_(store), base_caption_(caption), zoom_mode_(zoom_mode) {
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
      if (move == QLatin1String("Last page")) GoToPage(static_cast<int>(store_.pages.size()) - 1);
    });
    button->setVisible(store_.pages.size() >= 2);
  }
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
  setWindowTitle(base_caption_);  // until the page or the zoom changes
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
  view_->SetPage(static_cast<size_t>(std::max(page, 0)));
  UpdateCaption();
}

void TPreviewForm::UpdateCaption() {
  setWindowTitle(QStringLiteral("Preview Page ") + QString::number(view_->page() + 1) + QStringLiteral(" of ") +
                 QString::number(store_.pages.size()) + QStringLiteral(" ( ") +
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
  SaveWindowPlacement(this, kWindowClass);
  QDialog::done(result);
}

}  // namespace vellumo
