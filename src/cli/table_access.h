// Shared steps of the table commands: opening with a readable error,
// reading text files, terminal progress and UTF-8 conversion at the edge.
#pragma once

#include <iosfwd>
#include <memory>
#include <string>

#include "xbase/status.h"
#include "xbase/table.h"

namespace cli {

constexpr int kExitOk = 0;
constexpr int kExitFault = 1;
constexpr int kExitError = 2;

// Prints "vellumo-cli: " + the status message and returns kExitError.
int Fail(std::ostream& err, const xbase::Status& status);
int Fail(std::ostream& err, const std::string& message);

xbase::Status OpenTable(const std::string& path, bool read_only,
                        std::unique_ptr<xbase::Table>* table);
xbase::Status ReadFile(const std::string& path, std::string* contents);

// Shows progress on stderr when it is a terminal: "Indexing LNAME  45%".
// `names` are the tags, in order, when indexing.
xbase::ProgressHook TerminalProgress(std::vector<std::string> names);
// Draws `text` as the progress line on stderr, over the last one.
void ShowProgress(const std::string& text);
// Ends the progress line, if one was drawn.
void EndProgress();

}  // namespace cli
