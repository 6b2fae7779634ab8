// Writes and dumps tables for the interoperability tests, which compare
// them with what another DBF implementation reads and writes.
//
//   dbf_interop_tool write TABLE.DBF INPUT   creates a table (and its .FPT)
//   dbf_interop_tool dump TABLE.DBF          prints every record
//
// INPUT: the first line holds field definitions "NAME TYPE LENGTH DECIMALS"
// separated by ';'; each further line is a record: '*' or ' ' for the
// deletion flag, then one hex-encoded value per field, tab-separated. Memo
// values are the memo text itself. The dump uses the same record format,
// with each field as FieldAsText gives it (memo fields as their text).
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "dbf_file.h"
#include "memo_file.h"

namespace xbase {
namespace {

std::string Hex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (char c : bytes) {
    out += kDigits[static_cast<unsigned char>(c) >> 4];
    out += kDigits[static_cast<unsigned char>(c) & 0xF];
  }
  return out;
}

std::string Unhex(std::string_view hex) {
  std::string out;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    out += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
  }
  return out;
}

std::vector<std::string> Split(const std::string& line, char separator) {
  std::vector<std::string> parts;
  std::stringstream in(line);
  std::string part;
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!line.empty() && line.back() == separator) parts.push_back("");
  return parts;
}

Status Write(const std::string& path, const std::string& input_path) {
  std::ifstream input(input_path);
  std::string line;
  if (!std::getline(input, line)) return Status::InvalidArgument("empty input");
  std::vector<FieldDef> fields;
  for (const std::string& spec : Split(line, ';')) {
    std::stringstream s(spec);
    FieldDef f;
    int length, decimals;
    s >> f.name >> f.type >> length >> decimals;
    f.length = static_cast<uint16_t>(length);
    f.decimals = static_cast<uint8_t>(decimals);
    fields.push_back(f);
  }
  Env* env = Env::Default();
  std::unique_ptr<DbfFile> dbf;
  XBASE_RETURN_IF_ERROR(DbfFile::Create(env, path, fields, LockMode::kExclusive, &dbf));
  std::unique_ptr<MemoFile> memo;
  if (dbf->schema().has_memo_fields()) {
    XBASE_RETURN_IF_ERROR(MemoFile::CreateFpt(env, ReplaceExtension(path, ".FPT"),
                                              MemoFile::kDefaultFptBlockSize,
                                              LockMode::kExclusive, &memo));
  }
  while (std::getline(input, line)) {
    if (line.empty()) continue;
    std::vector<std::string> values = Split(line.substr(1), '\t');
    if (values.size() != fields.size()) return Status::InvalidArgument("bad record line: " + line);
    std::string record = dbf->BlankRecord();
    record[0] = line[0];
    for (size_t i = 0; i < values.size(); ++i) {
      const FieldDef& field = dbf->schema().field(i);
      std::string value = Unhex(values[i]);
      if (DbfFile::IsMemoField(field)) {
        uint32_t block = 0;
        XBASE_RETURN_IF_ERROR(memo->Write(value, &block));
        DbfFile::StoreMemoBlock(field, block, record.data());
      } else {
        XBASE_RETURN_IF_ERROR(DbfFile::StoreText(field, value, record.data()));
      }
    }
    uint32_t recno;
    XBASE_RETURN_IF_ERROR(dbf->AppendRecord(record, &recno));
  }
  if (memo) XBASE_RETURN_IF_ERROR(memo->Flush(true));
  return dbf->Commit();
}

Status Dump(const std::string& path) {
  Env* env = Env::Default();
  std::unique_ptr<DbfFile> dbf;
  XBASE_RETURN_IF_ERROR(DbfFile::Open(env, path, false, LockMode::kShared, &dbf));
  std::unique_ptr<MemoFile> memo;
  if (dbf->schema().has_memo_fields()) {
    bool fox = dbf->dialect() == DbfDialect::kFoxPro || dbf->dialect() == DbfDialect::kVisualFoxPro;
    std::string memo_path = FindCompanionFile(env, path, fox ? ".FPT" : ".DBT");
    if (memo_path.empty()) return Status::NotFound(path + ": memo file missing");
    MemoFormat format = fox ? MemoFormat::kFpt
                            : dbf->dialect() == DbfDialect::kDBase4 ? MemoFormat::kDbt4
                                                                    : MemoFormat::kDbt3;
    XBASE_RETURN_IF_ERROR(MemoFile::Open(env, memo_path, format, false, LockMode::kShared, &memo));
  }
  for (uint32_t recno = 1; recno <= dbf->record_count(); ++recno) {
    std::string_view record;
    XBASE_RETURN_IF_ERROR(dbf->RecordView(recno, &record));
    std::string line(1, record[0]);
    for (size_t i = 0; i < dbf->schema().size(); ++i) {
      const FieldDef& field = dbf->schema().field(i);
      std::string text;
      if (DbfFile::IsMemoField(field)) {
        uint32_t block;
        XBASE_RETURN_IF_ERROR(DbfFile::MemoBlock(field, record.data(), &block));
        XBASE_RETURN_IF_ERROR(memo->Read(block, &text));
      } else {
        text = DbfFile::FieldAsText(field, record.data());
      }
      line += (i == 0 ? "" : "\t") + Hex(text);
    }
    std::cout << line << "\n";
  }
  return Status::OK();
}

}  // namespace
}  // namespace xbase

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  xbase::Status s;
  if (args.size() == 3 && args[0] == "write") {
    s = xbase::Write(args[1], args[2]);
  } else if (args.size() == 2 && args[0] == "dump") {
    s = xbase::Dump(args[1]);
  } else {
    std::cerr << "usage: dbf_interop_tool write TABLE.DBF INPUT | dump TABLE.DBF\n";
    return 2;
  }
  if (!s.ok()) {
    std::cerr << s.ToString() << "\n";
    return 1;
  }
  return 0;
}
