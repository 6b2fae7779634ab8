// The print-out of one address record: a header with the page number and
// the time between two rules, a two-column list of the chosen fields with
// their labels in bold, then the memo in italics under a rule, continued
// on further pages under a new header.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace vellumo {

class TBaseReport;

class SingleRecordReport {
 public:
  using Items = std::vector<std::pair<QString, QString>>;  // printed label, value

  // `stop_requested` is tested between items (a preview's "Stop").
  SingleRecordReport(Items items, bool print_memo, QString memo, std::function<bool()> stop_requested);

  // The job's events.
  void BeforePrint(TBaseReport& report) const;
  void Print(TBaseReport& report) const;

  // Measures a text's width in inches, as the canvas that draws it does.
  using Measure = std::function<double(const QString&)>;
  // The memo as the printed lines of a text `width_inches` wide.
  static QStringList WrapMemo(const QString& memo, double width_inches, const Measure& width_of);

 private:
  void PrintHeader(TBaseReport& report) const;
  void PrintMemo(TBaseReport& report) const;

  Items items_;
  bool print_memo_;
  QString memo_;
  std::function<bool()> stop_requested_;
};

}  // namespace vellumo
