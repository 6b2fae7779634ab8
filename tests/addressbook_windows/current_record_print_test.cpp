// Printing the current record: the chosen items, the memo and its
// continuation on a new page, and the status window of a preview.
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "addressbook/windows/current_record_print.h"
#include "addressbook/windows/single_record_report.h"
#include "main_window_fixture.h"
#include "pdf_job_fixture.h"
#include "pdf_probe.h"
#include "preview_probe.h"
#include "printing/page_store.h"
#include "printing/windows/printer_jobs.h"
#include "printing/windows/shared_printer.h"

namespace vellumo {
namespace {

class CurrentRecordPrintTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    ASSERT_TRUE(UseThePdfPrinter());
  }

  // The pages of a preview of `job`, measured with the shared printer.
  static PageStore PreviewPages(const SingleRecordReport& job) {
    PageStore store;
    TPreviewFiler filer(&store);
    filer.OnBeforePrint = [&job](TBaseReport& r) { job.BeforePrint(r); };
    filer.OnPrint = [&job](TBaseReport& r) { job.Print(r); };
    EXPECT_TRUE(filer.Execute());
    return store;
  }

  std::vector<PdfWord> PrintToPdf(const SingleRecordReport& job) {
    TReportPrinter printer;
    printer.OutputFile = dir_.filePath(QStringLiteral("record.pdf"));
    printer.OnBeforePrint = [&job](TBaseReport& r) { job.BeforePrint(r); };
    printer.OnPrint = [&job](TBaseReport& r) { job.Print(r); };
    EXPECT_TRUE(printer.Execute());
    return WordsOf(printer.OutputFile);
  }

  // A memo of the lines "Line1" to "Line80": more than one page holds.
  static QString EightyLineMemo() {
    QStringList memo;
    for (int i = 1; i <= 80; ++i) memo << QStringLiteral("Line%1").arg(i);
    return memo.join('\n');
  }

  static bool Has(const std::vector<PdfWord>& words, const QString& text, int page) {
    for (const PdfWord& w : words) {
      if (w.text == text && w.page == page) return true;
    }
    return false;
  }
};

TEST_F(CurrentRecordPrintTest, AllBoxTicksAndUnticksEveryItem) {
  AddressRecord record;
  record.Set(QStringLiteral("LNAME"), QStringLiteral("Lovelace"));
  TPrintCurrentRecord choice(record);
  EXPECT_EQ(choice.ChosenItems().size(), 20u);
  choice.box(QStringLiteral("All"))->click();
  EXPECT_TRUE(choice.ChosenItems().empty());
  EXPECT_FALSE(choice.memo_chosen());
  choice.box(QStringLiteral("All"))->click();
  choice.box(QStringLiteral("Prefix"))->click();
  const auto items = choice.ChosenItems();
  ASSERT_EQ(items.size(), 19u);
  EXPECT_EQ(items.front(), (std::pair<QString, QString>(QStringLiteral("Last"), QStringLiteral("Lovelace"))));
  EXPECT_EQ(items.back().first, QStringLiteral("Date"));
}

TEST_F(CurrentRecordPrintTest, LastNameAndMemoPrintUnderTheHeader) {
  const SingleRecordReport job({{QStringLiteral("Last"), QStringLiteral("Lovelace")}}, true,
                               QStringLiteral("Analytical engine notes"), nullptr);
  const std::vector<PdfWord> words = PrintToPdf(job);
  EXPECT_TRUE(Has(words, QStringLiteral("Page"), 1));
  EXPECT_TRUE(Has(words, QStringLiteral("Last"), 1));
  EXPECT_TRUE(Has(words, QStringLiteral("Lovelace"), 1));
  EXPECT_TRUE(Has(words, QStringLiteral("Analytical"), 1));
  for (const PdfWord& w : words) {
    if (w.text == QLatin1String("Lovelace")) {
      EXPECT_NEAR(w.x_min, (1 + 1.25 + 0.02) * 72, 0.72);  // in the second column
    }
  }
}

TEST_F(CurrentRecordPrintTest, LongMemoContinuesOnPageTwoUnderANewHeader) {
  const SingleRecordReport job({{QStringLiteral("Last"), QStringLiteral("Babbage")}}, true, EightyLineMemo(), nullptr);
  const std::vector<PdfWord> words = PrintToPdf(job);
  EXPECT_TRUE(Has(words, QStringLiteral("Line1"), 1));
  EXPECT_TRUE(Has(words, QStringLiteral("Line80"), 2));
  EXPECT_TRUE(Has(words, QStringLiteral("2"), 2));  // "Page 2"
  EXPECT_TRUE(Has(words, QStringLiteral("Page"), 2));
  EXPECT_FALSE(Has(words, QStringLiteral("Babbage"), 2));
}

TEST_F(CurrentRecordPrintTest, PreviewShowsThePrintedPagesHeadersIncluded) {
  const SingleRecordReport job({{QStringLiteral("Last"), QStringLiteral("Lovelace")}}, true, EightyLineMemo(), nullptr);
  const std::vector<PdfWord> printed = PrintToPdf(job);
  ASSERT_TRUE(Has(printed, QStringLiteral("Page"), 2));
  const PageStore preview = PreviewPages(job);
  ASSERT_EQ(preview.pages.size(), 2u);
  EXPECT_TRUE(SameWords(printed, PreviewWords(preview, dir_.filePath(QStringLiteral("preview.pdf")))));
  EXPECT_TRUE(PreviewShowsInk(preview, printed));
}

// The rightmost end of the words below `memo_top` (the memo's lines), in
// points.
static double MemoRightEnd(const std::vector<PdfWord>& words, double memo_top) {
  double right = 0;
  for (const PdfWord& w : words) {
    if (w.y_min > memo_top) right = std::max(right, w.x_max);
  }
  return right;
}

TEST_F(CurrentRecordPrintTest, MemoLinesStayWithinTheAreaInPrintAndPreview) {
  // Words of many widths, so that some line ends close to the area's edge.
  QStringList words;
  for (int i = 0; i < 120; ++i) words << QStringLiteral("memo") + QString(QLatin1Char('w')).repeated(i % 7);
  const SingleRecordReport job({{QStringLiteral("Last"), QStringLiteral("Curie")}}, true, words.join(' '), nullptr);
  constexpr double kAreaRight = 7.5 * 72;
  const double memo_top = 1.6 * 72;  // below the header, the item and the rule
  const std::vector<PdfWord> printed = PrintToPdf(job);
  EXPECT_LE(MemoRightEnd(printed, memo_top), kAreaRight + 0.1);
  EXPECT_GT(MemoRightEnd(printed, memo_top), kAreaRight - 0.5 * 72);  // the lines are filled
  const PageStore preview = PreviewPages(job);
  const std::vector<PdfWord> previewed = PreviewWords(preview, dir_.filePath(QStringLiteral("preview.pdf")));
  EXPECT_LE(MemoRightEnd(previewed, memo_top), kAreaRight + 0.1);
}

TEST_F(CurrentRecordPrintTest, BlankMemoPrintsNothing) {
  TCanvasReport canvas(QSizeF(8.5, 11), 72);
  canvas.SetFont(QStringLiteral("Times"), 10);
  canvas.SetItalic(true);
  const auto width_of = [&canvas](const QString& text) { return canvas.TextWidth(text); };
  const QStringList blank = SingleRecordReport::WrapMemo(QStringLiteral("   "), 6.5, width_of);
  ASSERT_EQ(blank.size(), 1);
  EXPECT_TRUE(blank.first().trimmed().isEmpty());
  const QStringList wrapped =
      SingleRecordReport::WrapMemo(QString(QStringLiteral("word ")).repeated(60).trimmed(), 2.0, width_of);
  EXPECT_GT(wrapped.size(), 5);
}

TEST_F(CurrentRecordPrintTest, PreviewRunsInItsStatusWindowAndKeepsThePages) {
  AddressRecord record;
  record.Set(QStringLiteral("LNAME"), QStringLiteral("Hopper"));
  TPrintCurrentRecord choice(record);
  QString outcome;
  WhenDialogOpens<TSingleRecordPrint>([&outcome](TSingleRecordPrint* status) {
    auto* poll = new QTimer(status);
    QObject::connect(poll, &QTimer::timeout, status, [status, poll, &outcome] {
      if (status->button()->text() != QLatin1String("Ok")) return;
      poll->stop();
      outcome = status->status()->text();
      status->button()->click();
    });
    poll->start(0);
  });
  choice.PreviewClick(false);
  EXPECT_EQ(outcome, QStringLiteral("\rReport Preview Ready!"));
  ASSERT_NE(choice.last_pages(), nullptr);
  EXPECT_EQ(choice.last_pages()->pages.size(), 1u);
}

TEST_F(CurrentRecordPrintTest, APrintThatCannotStartIsReportedAsCanceled) {
  const SingleRecordReport job({{QStringLiteral("Last"), QStringLiteral("Turing")}}, false, QString(), nullptr);
  TReportPrinter printer;
  printer.OutputFile = dir_.filePath(QStringLiteral("missing folder/record.pdf"));
  TSingleRecordPrint status(printer, job, false);
  QString outcome;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &status, [&] {
    if (status.button()->text() != QLatin1String("Ok")) return;
    poll.stop();
    outcome = status.status()->text();
    status.button()->click();
  });
  poll.start(0);
  status.exec();
  EXPECT_EQ(outcome, QStringLiteral("\rReport Print Canceled!"));
  ASSERT_EQ(messenger_.said.size(), 1);
  EXPECT_TRUE(messenger_.said.first().startsWith(QStringLiteral("Unable to write the file ")));
  EXPECT_FALSE(QFileInfo::exists(printer.OutputFile));
}

}  // namespace
}  // namespace vellumo
