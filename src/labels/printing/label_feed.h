// What a label run prints next: the records of the table from the current
// one to the last in the order in force; or, for a presort, the list's
// lines in turn, a separator label for each separator line and, for each
// key line, the chosen records whose ZIP key is exactly that key, then
// the records without a usable ZIP behind a separator of their own.
#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "xbase/status.h"

namespace xbase {
class Table;
}

namespace vellumo {

// The separator label before the records without a usable ZIP:
// "** No presort ZIP: 3 records".
QString UnsortedSeparatorText(size_t records);

class LabelFeed {
 public:
  enum class Kind { kRecord, kSeparator, kEnd };

  // Plain: the table's records from the current one on.
  explicit LabelFeed(xbase::Table& table);
  // Presort: `lines` as PRESORT.PSL holds them, then `unsorted` (record
  // numbers) behind UnsortedSeparatorText. Uses the table's "ZIP" tag
  // with exact comparison off; puts order and exact setting back when
  // destroyed. REQUIRES: the table outlives the feed.
  LabelFeed(xbase::Table& table, std::vector<std::string> lines, std::vector<uint32_t> unsorted);
  ~LabelFeed();
  LabelFeed(const LabelFeed&) = delete;
  LabelFeed& operator=(const LabelFeed&) = delete;

  // Finds the first item. InvalidArgument when a presort table has no
  // "ZIP" tag; else the engine's error.
  xbase::Status Start();
  // Moves past the current item.
  xbase::Status Advance();

  Kind kind() const { return kind_; }
  // The text of the current separator label.
  const QString& separator() const { return separator_; }

 private:
  // The next line that yields something, else the unsorted records.
  xbase::Status TakeNextLine();
  // From the current table position on, the next record of the key line
  // being printed; *found false when its records are used up.
  xbase::Status FindKeyRecord(bool* found);
  xbase::Status StartUnsorted();
  xbase::Status GoToUnsorted();

  xbase::Table& table_;
  const bool presort_;
  std::vector<std::string> lines_;
  std::vector<uint32_t> unsorted_;
  size_t next_line_ = 0;
  std::string key_;         // the key line being printed
  size_t next_unsorted_ = 0;
  bool in_unsorted_ = false;
  Kind kind_ = Kind::kEnd;
  QString separator_;
  int saved_order_ = 0;
  bool saved_exact_ = false;
};

}  // namespace vellumo
