// Opening an existing table: the header and field descriptors are checked
// against each other and against the file's size before any record is read.
#include <string>

#include "dbf_file.h"
#include "dbf_header.h"

namespace xbase {
namespace {

std::string Hex(uint8_t byte) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return std::string("0x") + kDigits[byte >> 4] + kDigits[byte & 0xF];
}

Status DialectOf(const DbfHeader& header, DbfDialect* dialect) {
  switch (header.version) {
    case 0x03:  // no memo: dBASE III and FoxPro agree; FoxPro sets a code page
      *dialect = header.code_page != 0 ? DbfDialect::kFoxPro : DbfDialect::kDBase3;
      return Status::OK();
    case 0x83:
      *dialect = DbfDialect::kDBase3;
      return Status::OK();
    case 0x04: case 0x05: case 0x43: case 0x63: case 0x7B: case 0x8B: case 0x8E: case 0xCB:
      *dialect = DbfDialect::kDBase4;
      return Status::OK();
    case 0xF5: case 0xFB:
      *dialect = DbfDialect::kFoxPro;
      return Status::OK();
    case 0x30: case 0x31: case 0x32:
      *dialect = DbfDialect::kVisualFoxPro;
      return Status::OK();
    default:
      return Status::Corruption("not a DBF file (bad version byte " + Hex(header.version) + ")");
  }
}

// The byte width a fixed-size type must have; 0 for types of any width.
uint16_t RequiredWidth(const FieldDef& field, DbfDialect dialect) {
  switch (field.type) {
    case field_type::kLogical: return 1;
    case field_type::kDate: return 8;
    case field_type::kInteger: return 4;
    case field_type::kCurrency: return 8;
    case field_type::kDateTime: return 8;
    case field_type::kDouble: return dialect == DbfDialect::kVisualFoxPro ? 8 : 10;
    case field_type::kMemo: case field_type::kGeneral: case field_type::kPicture:
      return dialect == DbfDialect::kVisualFoxPro ? 0 : 10;
    default: return 0;
  }
}

Status CheckField(const FieldDef& field, DbfDialect dialect) {
  static constexpr std::string_view kKnownTypes = "CNFLDMGPIYTBVQW0@+O";
  if (field.type == '\0' || kKnownTypes.find(field.type) == std::string_view::npos) {
    return Status::Corruption("field " + field.name + " has unknown type " +
                              Hex(static_cast<uint8_t>(field.type)));
  }
  if (field.length == 0) return Status::Corruption("field " + field.name + " has width 0");
  uint16_t width = RequiredWidth(field, dialect);
  if (width != 0 && field.length != width &&
      !(field.type == field_type::kMemo && field.length == 4)) {
    return Status::Corruption("field " + field.name + " of type " + std::string(1, field.type) +
                              " has width " + std::to_string(field.length) + ", expected " +
                              std::to_string(width));
  }
  return Status::OK();
}

}  // namespace

Status DbfFile::Open(Env* env, const std::string& path, bool writable, LockMode lock,
                     std::unique_ptr<DbfFile>* result) {
  std::unique_ptr<File> file;
  XBASE_RETURN_IF_ERROR(env->OpenFile(path, writable, lock, &file));
  const auto corrupt = [&](const std::string& what) { return Status::Corruption(path + ": " + what); };

  uint64_t file_size;
  XBASE_RETURN_IF_ERROR(file->Size(&file_size));
  if (file_size < kDbfHeaderSize) {
    return corrupt("not a DBF file (only " + std::to_string(file_size) + " bytes)");
  }
  char header_bytes[kDbfHeaderSize];
  size_t read;
  XBASE_RETURN_IF_ERROR(file->ReadAt(0, kDbfHeaderSize, header_bytes, &read));
  if (read != kDbfHeaderSize) return corrupt("header cut short");
  DbfHeader header = DbfHeader::DecodeFrom(header_bytes);
  DbfDialect dialect = DbfDialect::kFoxPro;
  Status s = DialectOf(header, &dialect);
  if (!s.ok()) return s.WithContext(path);

  const size_t trailer = 1 + (dialect == DbfDialect::kVisualFoxPro ? kDbfBacklinkSize : 0);
  if (header.header_length < kDbfHeaderSize + kDbfFieldDescriptorSize + trailer) {
    return corrupt("header length " + std::to_string(header.header_length) +
                   " is too small for any field");
  }
  if (header.header_length > file_size) {
    return corrupt("header length " + std::to_string(header.header_length) +
                   " exceeds the file size " + std::to_string(file_size));
  }
  std::string descriptors(header.header_length, '\0');
  XBASE_RETURN_IF_ERROR(file->ReadAt(0, descriptors.size(), descriptors.data(), &read));
  if (read != descriptors.size()) return corrupt("header cut short");

  std::vector<FieldDef> fields;
  size_t pos = kDbfHeaderSize;
  while (true) {
    if (pos + trailer > header.header_length) {
      return corrupt("field descriptors run past the header length " +
                     std::to_string(header.header_length));
    }
    if (descriptors[pos] == kDbfHeaderTerminator) break;
    if (pos + kDbfFieldDescriptorSize + trailer > header.header_length) {
      return corrupt("field descriptors run past the header length " +
                     std::to_string(header.header_length));
    }
    FieldDef field;
    s = DbfFieldDescriptor::DecodeFrom(descriptors.data() + pos, &field);
    if (!s.ok()) {
      return s.WithContext(path + ": field " + std::to_string(fields.size() + 1));
    }
    s = CheckField(field, dialect);
    if (!s.ok()) return s.WithContext(path);
    fields.push_back(field);
    pos += kDbfFieldDescriptorSize;
  }
  if (fields.empty()) return corrupt("the table has no fields");

  Schema schema(fields);
  if (dialect == DbfDialect::kVisualFoxPro) {
    // Offsets are stored; we accept them when they follow the usual packed
    // order, which every writer we know of uses.
    for (size_t i = 0; i < fields.size(); ++i) {
      if (fields[i].offset != 0 && fields[i].offset != schema.field(i).offset) {
        return corrupt("field " + fields[i].name + " is stored at offset " +
                       std::to_string(fields[i].offset) + ", expected " +
                       std::to_string(schema.field(i).offset));
      }
    }
    if (header.record_length < schema.record_length()) {
      return corrupt("record length " + std::to_string(header.record_length) +
                     " is too small for the fields (" + std::to_string(schema.record_length()) +
                     ")");
    }
  } else if (header.record_length != schema.record_length()) {
    return corrupt("record length " + std::to_string(header.record_length) +
                   " does not match the fields (" + std::to_string(schema.record_length()) + ")");
  }

  std::unique_ptr<DbfFile> dbf(new DbfFile());
  uint64_t records_in_file = (file_size - header.header_length) / header.record_length;
  dbf->record_count_ = header.record_count;
  if (header.record_count > records_in_file) {
    // The records past the end were never written: trust the file.
    dbf->open_note_ = path + ": header says " + std::to_string(header.record_count) +
                      " records but the file holds " + std::to_string(records_in_file);
    dbf->record_count_ = static_cast<uint32_t>(records_in_file);
  }
  dbf->path_ = path;
  dbf->file_ = std::move(file);
  dbf->schema_ = std::move(schema);
  dbf->dialect_ = dialect;
  dbf->version_ = header.version;
  dbf->table_flags_ = header.table_flags;
  dbf->writable_ = writable;
  dbf->header_length_ = header.header_length;
  dbf->record_length_ = header.record_length;
  dbf->committed_count_ = dbf->record_count_;
  XBASE_RETURN_IF_ERROR(dbf->file_->ChangeStamp(&dbf->change_stamp_));
  *result = std::move(dbf);
  return Status::OK();
}

}  // namespace xbase
