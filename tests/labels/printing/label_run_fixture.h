// A label run drawn into a PDF file and read back: what stands in each
// cell of each page, as "page/cell text" entries in page and cell order.
#pragma once

#include <gtest/gtest.h>

#include <QStringList>
#include <algorithm>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "address_stock.h"
#include "address_table.h"
#include "design/model/text_label.h"
#include "labels/printing/label_run.h"
#include "pdf_probe.h"
#include "printing/pdf_file.h"
#include "test_home.h"

namespace vellumo {

class LabelRunTest : public HomeTest {
 protected:
  void SetUp() override {
    HomeTest::SetUp();
    page_ = std::make_unique<design::TGLabelPanel>(dir_.path().toStdString());
    page_->SetSize(QSize(240, 90));
    // Each label shows its record's last name near its top-left corner.
    auto field = std::make_unique<design::TGPDLabel>();
    field->DataFieldDescript = "Last Name";
    page_->PlaceObject(std::move(field), QRect(0, 0, 10, 10))->SetBounds(QRect(4, 4, 200, 20));
  }

  LabelRunInput Input(const StockGeometry& geometry = AddressStock()) {
    LabelRunInput input;
    input.design = page_.get();
    input.table = table_.get();
    input.geometry = geometry;
    return input;
  }

  // Runs into a PDF of letter pages; the tally of the run.
  LabelRunTally Run(LabelRunInput input, bool previewing = false) {
    geometry_ = input.geometry;
    LabelRun run(std::move(input));
    PageMetrics letter;
    TReportPdf pdf(Pdf(), letter);
    run.AttachTo(pdf, previewing);
    EXPECT_TRUE(pdf.Execute()) << pdf.LastError().toStdString();
    words_ = WordsOf(Pdf());
    return run.tally();
  }

  QString Pdf() const { return dir_.filePath(QStringLiteral("labels.pdf")); }

  // The cell whose pitch rectangle holds the word's top-left corner; -1 for none.
  int CellOf(const PdfWord& word) const {
    for (int i = 0; i < geometry_.CellCount(); ++i) {
      const CellOrigin at = geometry_.CellAt(i);
      if (word.x_min >= at.x * 72 && word.x_min < (at.x + geometry_.horizontal_pitch) * 72 &&
          word.y_min >= at.y * 72 && word.y_min < (at.y + geometry_.vertical_pitch) * 72) {
        return i;
      }
    }
    return -1;
  }

  // "page/cell text" for every cell that holds words, in page and cell
  // order; the words of a cell joined in reading order.
  QStringList Cells() const {
    std::map<std::pair<int, int>, std::vector<const PdfWord*>> cells;
    for (const PdfWord& word : words_) cells[{word.page, CellOf(word)}].push_back(&word);
    QStringList out;
    for (auto& [where, words] : cells) {
      std::sort(words.begin(), words.end(), [](const PdfWord* a, const PdfWord* b) {
        return std::pair(a->y_min, a->x_min) < std::pair(b->y_min, b->x_min);
      });
      QStringList texts;
      for (const PdfWord* w : words) texts << w->text;
      out << QStringLiteral("%1/%2 %3").arg(where.first).arg(where.second).arg(texts.join(QLatin1Char(' ')));
    }
    return out;
  }

  // Entries "page/cell R<n>" for records first..last on consecutive cells from `cell` of `page`.
  QStringList Consecutive(int page, int cell, int first, int last, int cells_per_page = 30) const {
    QStringList out;
    for (int n = first; n <= last; ++n) {
      out << QStringLiteral("%1/%2 R%3").arg(page).arg(cell).arg(n);
      if (++cell == cells_per_page) {
        cell = 0;
        ++page;
      }
    }
    return out;
  }

  std::unique_ptr<design::TGLabelPanel> page_;
  std::unique_ptr<xbase::Table> table_;
  StockGeometry geometry_;
  std::vector<PdfWord> words_;
};

}  // namespace vellumo
