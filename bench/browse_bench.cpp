// Benchmark of the browse window on a large address database: building
// its rows (a walk through the LNAME order), showing the last page,
// reading every cell of the first rows, and an in-place edit that moves
// the last row to the top of the order.
//
//   browse_bench [--records N] [--dir DIR]      (runs offscreen)
#include <QApplication>
#include <QThread>
#include <QDir>
#include <QScrollBar>
#include <QTableView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "addressbook/address_book.h"
#include "addressbook/browse_model.h"
#include "addressbook/windows/browse_form.h"
#include "address_generator.h"
#include "core/address_layout.h"
#include "core/application_home.h"
#include "xbase/table.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void Check(const xbase::Status& s, const char* what) {
  if (!s.ok()) {
    std::fprintf(stderr, "%s: %s\n", what, s.ToString().c_str());
    std::exit(1);
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  uint32_t records = 1000000;
  QString dir = QDir::tempPath() + QStringLiteral("/vellumo-browse-bench");
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--records") == 0) records = static_cast<uint32_t>(std::stoul(argv[i + 1]));
    if (std::strcmp(argv[i], "--dir") == 0) dir = QString::fromLocal8Bit(argv[i + 1]);
  }
  QDir(dir).removeRecursively();
  vellumo::SetProgramDirectory(dir);
  QDir().mkpath(vellumo::DataDirectory());
  QDir().mkpath(vellumo::SystemDataDirectory());
  const std::string path = (vellumo::DataDirectory() + QStringLiteral("BROWSE.DBF")).toStdString();
  Check(bench::GenerateAddressTable(path, records, 42), "generate");
  {
    std::unique_ptr<xbase::Table> table;
    Check(xbase::Table::Open(path, {}, &table), "open");
    Check(table->IndexTags(vellumo::AddressTags()), "index");
    Check(table->Close(), "close");
  }
  vellumo::AddressBook book;
  if (!book.Open(QString::fromStdString(path))) return 1;
  std::printf("machine: %d cores, %u records\n", QThread::idealThreadCount(), records);

  auto start = Clock::now();
  vellumo::TAddressBrowseForm browse(book);
  browse.show();
  QApplication::processEvents();
  const double opened = SecondsSince(start);
  browse.grid()->scrollToBottom();
  browse.grid()->repaint();
  QApplication::processEvents();
  const double total = SecondsSince(start);
  std::printf("open browse (%d rows)            %8.3f s\n", browse.model()->rowCount(), opened);
  std::printf("open and scroll to the end       %8.3f s\n", total);

  vellumo::BrowseModel* model = browse.model();
  const int read_rows = std::min(model->rowCount(), 10000);
  start = Clock::now();
  for (int row = 0; row < read_rows; ++row) {
    for (int column = 0; column < model->columnCount(); ++column) {
      (void)model->data(model->index(row, column), Qt::DisplayRole);
    }
  }
  std::printf("read every cell of %5d rows      %8.3f s (current record %u)\n", read_rows, SecondsSince(start),
              book.table()->RecNo());
  int last_name = 0;
  while (model->column(last_name).field != QLatin1String("LNAME")) ++last_name;
  const QModelIndex bottom = model->index(model->rowCount() - 1, last_name);
  browse.grid()->setCurrentIndex(bottom);
  start = Clock::now();
  model->setData(bottom, QStringLiteral("AAAAA"), Qt::EditRole);
  browse.grid()->repaint();
  QApplication::processEvents();
  std::printf("edit the last row to the top     %8.3f s (now row %d)\n", SecondsSince(start),
              browse.grid()->currentIndex().row());
  browse.reject();
  book.Close();
  QDir(dir).removeRecursively();
  return 0;
}
