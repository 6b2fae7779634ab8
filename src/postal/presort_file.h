// The presort file "PRESORT.PSL" in the program directory: the lines of a
// presort list, each ended by CR LF, in the table's bytes. Label printing
// reads it back as groups, each a separator line and the keys after it.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

namespace vellumo {

inline constexpr char kPresortFileName[] = "PRESORT.PSL";

// ProgramDirectory() + "PRESORT.PSL".
QString PresortFilePath();

// The file's bytes for these lines.
std::string PresortFileText(const std::vector<std::string>& lines);

// Writes the lines to `path`, replacing any older file only once the new
// one is complete (a temporary file renamed into place). False with the
// reason in *error when it cannot be written; an older file then stays.
[[nodiscard]] bool WritePresortFile(const QString& path, const std::vector<std::string>& lines, QString* error);

// One group of a presort list: its separator line as printed on the
// separator label ("** 5-digit 12345", "** ADC ALBANY NY 120" ...) and
// its keys in order.
struct PresortGroup {
  std::string separator;
  std::vector<std::string> keys;

  bool operator==(const PresortGroup&) const = default;
};

// The groups of a presort file's text. Lines may end in CR LF or LF; an
// empty text has no groups. False with the reason in *error when the text
// is not a presort list (a key before the first separator, an empty
// line): the line is named in *error.
[[nodiscard]] bool ParsePresortText(std::string_view text, std::vector<PresortGroup>* groups, QString* error);

// Reads and parses the file at `path`; false with the reason in *error.
[[nodiscard]] bool ReadPresortFile(const QString& path, std::vector<PresortGroup>* groups, QString* error);

}  // namespace vellumo
