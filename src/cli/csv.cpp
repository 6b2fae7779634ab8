// CSV parsing and quoting.
#include "csv.h"

namespace cli {

xbase::Status ParseCsv(std::string_view text, std::vector<CsvRow>* rows) {
  rows->clear();
  CsvRow row;
  std::string field;
  bool quoted = false;       // inside quotes
  bool was_quoted = false;   // the current field began with a quote
  size_t line = 1;
  size_t quote_line = 0;
  auto end_field = [&] {
    row.push_back(std::move(field));
    field.clear();
    was_quoted = false;
  };
  auto end_row = [&] {
    end_field();
    // A line holding nothing at all is skipped.
    if (!(row.size() == 1 && row[0].empty())) rows->push_back(std::move(row));
    row.clear();
  };
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (quoted) {
      if (c == '"') {
        if (i + 1 < text.size() && text[i + 1] == '"') {
          field.push_back('"');
          ++i;
        } else {
          quoted = false;
        }
      } else {
        if (c == '\n') ++line;
        field.push_back(c);
      }
      continue;
    }
    switch (c) {
      case '"':
        if (!field.empty() || was_quoted) {
          return xbase::Status::InvalidArgument("line " + std::to_string(line) +
                                                ": a quote inside an unquoted field");
        }
        quoted = was_quoted = true;
        quote_line = line;
        break;
      case ',':
        end_field();
        break;
      case '\r':
        if (i + 1 < text.size() && text[i + 1] == '\n') break;
        end_row();
        ++line;
        break;
      case '\n':
        end_row();
        ++line;
        break;
      default:
        if (was_quoted) {
          return xbase::Status::InvalidArgument("line " + std::to_string(line) +
                                                ": text after a closing quote");
        }
        field.push_back(c);
    }
  }
  if (quoted) {
    return xbase::Status::InvalidArgument("line " + std::to_string(quote_line) +
                                          ": a quoted field is never closed");
  }
  if (!field.empty() || !row.empty() || was_quoted) end_row();
  return xbase::Status::OK();
}

std::string CsvField(std::string_view value) {
  bool needs_quotes = value.find_first_of(",\"\r\n") != std::string_view::npos ||
                      (!value.empty() && (value.front() == ' ' || value.back() == ' '));
  if (!needs_quotes) return std::string(value);
  std::string out = "\"";
  for (char c : value) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

std::string CsvLine(const CsvRow& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line.push_back(',');
    line += CsvField(fields[i]);
  }
  line.push_back('\n');
  return line;
}

}  // namespace cli
