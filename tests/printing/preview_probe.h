// A preview as its window shows it, read back like a printed PDF: every
// page of a page store drawn by the preview's page view at 100 % into a
// PDF file of the paper's size, and the words found there; and whether
// the view shows those words in ink one can see.
#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include "pdf_probe.h"
#include "printing/page_store.h"
#include "printing/windows/preview_form.h"

namespace vellumo {

inline constexpr int kScreenDpi = 96;  // the view's pixels per inch at 100 %

// Where the page lies in the view: centred, within the view's margin.
inline QPoint PageCornerIn(const TFilePreview& view, const PageStore& store) {
  return QPoint((view.width() - qRound(store.page_inches.width() * kScreenDpi)) / 2,
                (view.height() - qRound(store.page_inches.height() * kScreenDpi)) / 2);
}

inline std::vector<PdfWord> PreviewWords(const PageStore& store, const QString& pdf) {
  TFilePreview view(store);
  view.SetZoom(100);
  const QSizeF paper = store.page_inches;
  const QPoint corner = PageCornerIn(view, store);
  QPdfWriter writer(pdf);
  writer.setResolution(kScreenDpi);
  writer.setPageLayout(QPageLayout(QPageSize(paper, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                                   QPageLayout::Portrait, QMarginsF()));
  QPainter painter(&writer);
  for (size_t page = 0; page < store.pages.size(); ++page) {
    if (page > 0) writer.newPage();
    view.SetPage(page);
    view.render(&painter, -corner, QRegion(), QWidget::DrawChildren);
  }
  painter.end();
  return WordsOf(pdf);
}

// Whether the preview view shows ink (pixels darker than mid-grey) within
// each of the (dark) words' boxes.
inline ::testing::AssertionResult PreviewShowsInk(const PageStore& store, const std::vector<PdfWord>& words) {
  TFilePreview view(store);
  view.SetZoom(100);
  const QPoint corner = PageCornerIn(view, store);
  std::vector<QImage> pages;
  for (size_t page = 0; page < store.pages.size(); ++page) {
    view.SetPage(page);
    pages.push_back(view.grab().toImage());
  }
  constexpr double kPixelsPerPoint = kScreenDpi / 72.0;
  for (const PdfWord& w : words) {
    if (w.page < 1 || w.page > static_cast<int>(pages.size())) {
      return ::testing::AssertionFailure() << "\"" << w.text.toStdString() << "\" on page " << w.page;
    }
    const QImage& image = pages[static_cast<size_t>(w.page - 1)];
    const QRect box = QRectF(QPointF(w.x_min, w.y_min) * kPixelsPerPoint, QPointF(w.x_max, w.y_max) * kPixelsPerPoint)
                          .toAlignedRect()
                          .translated(corner);
    int ink = 0;
    for (int y = box.top(); y <= box.bottom(); ++y) {
      for (int x = box.left(); x <= box.right(); ++x) {
        if (image.rect().contains(x, y) && qGray(image.pixel(x, y)) < 128) ++ink;
      }
    }
    if (ink == 0) {
      return ::testing::AssertionFailure() << "\"" << w.text.toStdString() << "\" on page " << w.page
                                           << " cannot be seen in the preview";
    }
  }
  return ::testing::AssertionSuccess();
}

// The current time a page header shows differs from one job to the next.
inline bool IsTimeOfDay(const QString& word) {
  static const QRegularExpression time(QStringLiteral(R"(^\d{1,2}:\d\d(:\d\d)?$)"));
  return time.match(word).hasMatch();
}

// Whether the preview shows every word of the print, the same text on the
// same page at the same place (within `tolerance` points), and no other.
inline ::testing::AssertionResult SameWords(const std::vector<PdfWord>& printed,
                                            const std::vector<PdfWord>& previewed, double tolerance = 0.5) {
  if (printed.size() != previewed.size()) {
    return ::testing::AssertionFailure() << printed.size() << " words printed, " << previewed.size()
                                         << " previewed";
  }
  for (size_t i = 0; i < printed.size(); ++i) {
    const PdfWord& p = printed[i];
    const PdfWord& v = previewed[i];
    const bool same_text = p.text == v.text || (IsTimeOfDay(p.text) && IsTimeOfDay(v.text));
    if (!same_text || p.page != v.page || std::abs(p.x_min - v.x_min) > tolerance ||
        std::abs(p.x_max - v.x_max) > tolerance || std::abs(p.y_min - v.y_min) > tolerance ||
        std::abs(p.y_max - v.y_max) > tolerance) {
      return ::testing::AssertionFailure()
             << "word " << i << ": printed \"" << p.text.toStdString() << "\" on page " << p.page << " at ("
             << p.x_min << ", " << p.y_min << ")-(" << p.x_max << ", " << p.y_max << "), previewed \""
             << v.text.toStdString() << "\" on page " << v.page << " at (" << v.x_min << ", " << v.y_min
             << ")-(" << v.x_max << ", " << v.y_max << ")";
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace vellumo
