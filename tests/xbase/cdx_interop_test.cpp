// Another program's reader walks our CDX files: the Perl XBase::Index
// module's index_dump must list each tag in our key order with our record
// numbers.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "cdx_index.h"

namespace xbase {
namespace {

constexpr const char* kDumpTool = "/usr/bin/index_dump";

// Lines of "key recno" as index_dump prints them (trailing blanks of keys dropped).
std::vector<std::string> DumpTag(const std::string& path, const std::string& tag) {
  std::string command = std::string(kDumpTool) + " -type=char '" + path + "' " + tag + " 2>&1";
  std::vector<std::string> lines;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return lines;
  char buffer[1024];
  while (std::fgets(buffer, sizeof(buffer), pipe)) {
    std::string line(buffer);
    if (!line.empty() && line.back() == '\n') line.pop_back();
    lines.push_back(line);
  }
  ::pclose(pipe);
  return lines;
}

std::vector<std::string> OurTag(CompoundIndex* index, size_t tag) {
  std::vector<std::string> lines;
  auto cursor = index->NewCursor(tag);
  EXPECT_TRUE(cursor->First().ok());
  while (cursor->Valid()) {
    std::string key(cursor->key());
    key.erase(key.find_last_not_of(' ') + 1);
    lines.push_back(key + " " + std::to_string(cursor->recno()));
    if (!cursor->Next().ok()) break;
  }
  return lines;
}

TEST(CdxInteropTest, PerlReaderWalksOurTags) {
  if (::access(kDumpTool, X_OK) != 0) GTEST_SKIP() << kDumpTool << " missing (apt-get install libdbd-xbase-perl)";
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("xbase_cdx_interop_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "PEOPLE.CDX").string();
  {
    std::unique_ptr<CompoundIndex> index;
    ASSERT_TRUE(CompoundIndex::Create(Env::Default(), path, LockMode::kNone, &index).ok());
    // Names with duplicates, trailing blanks and shared prefixes; 40-byte
    // keys make a tree of several interior levels.
    std::mt19937 rng(11);
    const char* kSurnames[] = {"SMITH", "SMITHSON", "JONES", "JOHNSON", "JOHNSTONE", "O'BRIEN", "MC DONALD"};
    KeyBatch names(40, 5000);
    for (uint32_t r = 1; r <= 5000; ++r) {
      std::string key = std::string(kSurnames[rng() % 7]) + "," + std::to_string(rng() % 900);
      key.resize(40, ' ');
      std::memcpy(names.Append(r), key.data(), 40);
    }
    names.Sort();
    TagDefinition name{"NAME", "UPPER(LAST+FIRST)", "", 40, true, false, false};
    ASSERT_TRUE(index->CreateTag(name, names, nullptr).ok());
    // Maintained pages too, not only bulk-built ones.
    for (uint32_t r = 5001; r <= 5600; ++r) {
      std::string key = "ADDED," + std::to_string(rng() % 300);
      key.resize(40, ' ');
      ASSERT_TRUE(index->Insert(0, key, r).ok());
    }
    for (size_t i = 0; i < names.size(); i += 7) ASSERT_TRUE(index->Delete(0, names.key(i), names.recno(i)).ok());

    KeyBatch flags(1, 300);
    for (uint32_t r = 1; r <= 300; ++r) *flags.Append(r) = rng() % 2 ? 'T' : 'F';
    flags.Sort();
    TagDefinition active{"ACTIVE", "ACTIVE", "", 1, false, false, false};
    ASSERT_TRUE(index->CreateTag(active, flags, nullptr).ok());
    ASSERT_TRUE(index->Flush().ok());
    ASSERT_TRUE(index->CheckStructure().ok());

    std::vector<std::string> ours = OurTag(index.get(), 0);
    ASSERT_GT(ours.size(), 4000u);
    EXPECT_EQ(DumpTag(path, "NAME"), ours);
    EXPECT_EQ(DumpTag(path, "ACTIVE"), OurTag(index.get(), 1));
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace xbase
