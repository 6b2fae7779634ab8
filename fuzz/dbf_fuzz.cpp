// Fuzz target: any bytes as a table file. Opening must either fail with a
// Status or give a table whose every record and field can be read.
#include <cstddef>
#include <cstdint>

#include "dbf_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace xbase;
  std::unique_ptr<Env> env = NewMemEnv();
  {
    std::unique_ptr<File> file;
    if (!env->CreateFile("F.DBF", LockMode::kNone, &file).ok()) return 0;
    if (!file->WriteAt(0, std::string_view(reinterpret_cast<const char*>(data), size)).ok()) {
      return 0;
    }
  }
  std::unique_ptr<DbfFile> dbf;
  if (!DbfFile::Open(env.get(), "F.DBF", true, LockMode::kNone, &dbf).ok()) return 0;
  std::string copy(dbf->record_length(), '\0');
  for (uint32_t recno = 1; recno <= dbf->record_count(); ++recno) {
    std::string_view record;
    if (!dbf->RecordView(recno, &record).ok()) __builtin_trap();
    if (!dbf->ReadRecord(recno, copy.data()).ok() || copy != record) __builtin_trap();
    for (const FieldDef& field : dbf->schema().fields()) {
      DbfFile::FieldAsText(field, record.data());
      uint32_t block;
      if (DbfFile::IsMemoField(field)) (void)DbfFile::MemoBlock(field, record.data(), &block);
    }
  }
  // Writes over a damaged table must stay inside it too.
  uint32_t recno;
  std::string blank = dbf->BlankRecord();
  if (dbf->AppendRecord(blank, &recno).ok()) (void)dbf->Commit();
  (void)dbf->Pack([](uint32_t n, std::string_view) { return n % 2 == 0; }, nullptr);
  return 0;
}
