// Creating a FoxPro 2.x table: field definitions are checked and completed,
// then the header, descriptors and end-of-file mark are written.
#include <cctype>
#include <set>
#include <string>

#include "dbf_file.h"
#include "dbf_header.h"

namespace xbase {
namespace {

constexpr size_t kMaxFieldNameLength = kDbfFieldNameSize - 1;
constexpr size_t kMaxFields = 255;
constexpr uint16_t kMaxCharacterWidth = 254;
constexpr uint16_t kMaxNumericWidth = 20;
constexpr uint16_t kMemoPointerWidth = 10;
constexpr uint16_t kDateWidth = 8;
constexpr uint32_t kMaxRecordLength = 65500;

Status CheckName(std::string* name) {
  const auto bad = [&](const std::string& why) {
    return Status::InvalidArgument("bad field name '" + *name + "': " + why);
  };
  if (name->empty() || name->size() > kMaxFieldNameLength) {
    return bad("must have 1 to " + std::to_string(kMaxFieldNameLength) + " characters");
  }
  // ASCII only: the classification functions would accept locale letters.
  const auto is_letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (!is_letter((*name)[0])) return bad("must start with a letter");
  for (char& c : *name) {
    unsigned char u = static_cast<unsigned char>(c);
    if (!is_letter(c) && !(c >= '0' && c <= '9') && c != '_') {
      return bad("only letters, digits and '_' are allowed");
    }
    c = static_cast<char>(std::toupper(u));
  }
  return Status::OK();
}

// Fills in the fixed widths of L, D and M when left 0, and checks the rest.
Status CheckDefinition(FieldDef* field) {
  const auto bad = [&](const std::string& why) {
    return Status::InvalidArgument("field " + field->name + ": " + why);
  };
  const auto fixed = [&](uint16_t width) {
    if (field->length == 0) field->length = width;
    if (field->length != width || field->decimals != 0) {
      return bad(std::string("type ") + field->type + " has width " + std::to_string(width) +
                 " and no decimals");
    }
    return Status::OK();
  };
  switch (field->type) {
    case field_type::kCharacter:
      if (field->length < 1 || field->length > kMaxCharacterWidth || field->decimals != 0) {
        return bad("type C needs a width of 1 to " + std::to_string(kMaxCharacterWidth) +
                   " and no decimals");
      }
      return Status::OK();
    case field_type::kNumeric:
    case field_type::kFloat:
      if (field->length < 1 || field->length > kMaxNumericWidth) {
        return bad("numeric width must be 1 to " + std::to_string(kMaxNumericWidth));
      }
      // Room for at least one digit and the decimal point.
      if (field->decimals != 0 && field->decimals + 1 >= field->length) {
        return bad(std::to_string(field->decimals) + " decimals do not fit width " +
                   std::to_string(field->length));
      }
      return Status::OK();
    case field_type::kLogical: return fixed(1);
    case field_type::kDate: return fixed(kDateWidth);
    case field_type::kMemo: return fixed(kMemoPointerWidth);
    default:
      return bad(std::string("type '") + field->type + "' cannot be created (use C, N, F, L, D or M)");
  }
}

}  // namespace

Status DbfFile::Create(Env* env, const std::string& path, const std::vector<FieldDef>& fields,
                       LockMode lock, std::unique_ptr<DbfFile>* result) {
  if (fields.empty()) return Status::InvalidArgument(path + ": a table needs at least one field");
  if (fields.size() > kMaxFields) {
    return Status::InvalidArgument(path + ": a table holds at most " + std::to_string(kMaxFields) +
                                   " fields");
  }
  std::vector<FieldDef> checked = fields;
  std::set<std::string> names;
  for (FieldDef& field : checked) {
    field.flags = 0;
    XBASE_RETURN_IF_ERROR(CheckName(&field.name));
    XBASE_RETURN_IF_ERROR(CheckDefinition(&field));
    if (!names.insert(field.name).second) {
      return Status::InvalidArgument("field name " + field.name + " appears twice");
    }
  }
  Schema schema(std::move(checked));
  if (schema.record_length() > kMaxRecordLength) {
    return Status::InvalidArgument("records of " + std::to_string(schema.record_length()) +
                                   " bytes exceed the limit of " +
                                   std::to_string(kMaxRecordLength));
  }

  DbfHeader header;
  header.version = schema.has_memo_fields() ? kDbfVersionFoxProMemo : kDbfVersionFoxBase;
  header.SetDateToToday();
  header.header_length = static_cast<uint16_t>(kDbfHeaderSize +
                                               kDbfFieldDescriptorSize * schema.size() + 1);
  header.record_length = static_cast<uint16_t>(schema.record_length());
  header.table_flags = schema.has_memo_fields() ? kDbfFlagMemo : 0;
  header.code_page = kCodePageWindows1252;

  std::string bytes(header.header_length + 1, '\0');
  header.EncodeTo(bytes.data());
  for (size_t i = 0; i < schema.size(); ++i) {
    DbfFieldDescriptor::EncodeTo(schema.field(i), /*with_offset=*/false,
                                 bytes.data() + kDbfHeaderSize + i * kDbfFieldDescriptorSize);
  }
  bytes[header.header_length - 1] = kDbfHeaderTerminator;
  bytes[header.header_length] = kDbfEndOfFile;

  std::unique_ptr<File> file;
  XBASE_RETURN_IF_ERROR(env->CreateFile(path, lock, &file));
  XBASE_RETURN_IF_ERROR(file->WriteAt(0, bytes));
  XBASE_RETURN_IF_ERROR(file->Sync());

  std::unique_ptr<DbfFile> dbf(new DbfFile());
  dbf->path_ = path;
  dbf->file_ = std::move(file);
  dbf->schema_ = std::move(schema);
  dbf->dialect_ = DbfDialect::kFoxPro;
  dbf->version_ = header.version;
  dbf->table_flags_ = header.table_flags;
  dbf->writable_ = true;
  dbf->header_length_ = header.header_length;
  dbf->record_length_ = header.record_length;
  XBASE_RETURN_IF_ERROR(dbf->file_->ChangeStamp(&dbf->change_stamp_));
  *result = std::move(dbf);
  return Status::OK();
}

}  // namespace xbase
