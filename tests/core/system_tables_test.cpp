// System tables: created when missing, tags remade, delivered tables never
// created, and the system rebuild.
#include <QFile>

#include "core/system_tables.h"
#include "support/watched_env.h"
#include "test_home.h"

namespace vellumo {
namespace {

class SystemTablesTest : public HomeTest {};

TEST_F(SystemTablesTest, SetUpListsAreCreatedDeliveredOnesAreNot) {
  std::unique_ptr<xbase::Table> t;
  ASSERT_TRUE(OpenLetterTable(&t));
  EXPECT_EQ(t->schema().size(), 2u);
  EXPECT_EQ(t->TagArea("DESCRIPT"), 1);
  t.reset();
  ASSERT_TRUE(OpenLabelTable(&t));
  EXPECT_EQ(t->schema().size(), 22u);
  t.reset();
  EXPECT_FALSE(OpenStockTable(&t));
  EXPECT_FALSE(OpenCityStateZipTable(&t));
  EXPECT_EQ(messenger_.WithoutReasons(),
            (QStringList{"Unable to Open LBLTPL.DBF", "Unable to Open or Create CSZ.DBF"}));
  EXPECT_TRUE(messenger_.ReasonOf(0).contains("LBLTPL.DBF"));
}

TEST_F(SystemTablesTest, MissingIndexIsRemadeAndOrdersWithoutCase) {
  std::unique_ptr<xbase::Table> t;
  ASSERT_TRUE(OpenLabelTable(&t));
  for (const char* d : {"zeta", "Alpha", "beta"}) {
    ASSERT_TRUE(t->AppendBlank().ok());
    ASSERT_TRUE(t->Replace("DESCRIPT", d).ok());
  }
  ASSERT_TRUE(t->Close().ok());
  t.reset();
  ASSERT_TRUE(QFile::remove(SystemDataDirectory() + "LABEL.CDX"));
  ASSERT_TRUE(OpenLabelTable(&t));
  ASSERT_TRUE(t->SetOrder(1).ok());
  QStringList order;
  for (xbase::Status s = t->GoTop(); s.ok() && !t->Eof(); s = t->Skip(1)) {
    order << QString::fromStdString(t->GetTrimString("DESCRIPT"));
  }
  EXPECT_EQ(order, (QStringList{"Alpha", "beta", "zeta"}));
}

TEST_F(SystemTablesTest, AnUnreadableTableIsNotReplaced) {
  QFile f(SystemDataDirectory() + "REPORT.DBF");
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a table at all");
  f.close();
  std::unique_ptr<xbase::Table> t;
  EXPECT_FALSE(OpenReportTable(&t));
  EXPECT_EQ(messenger_.WithoutReasons(), QStringList{"Unable to Open or Create REPORT.DBF"});
  EXPECT_FALSE(messenger_.ReasonOf(0).isEmpty()) << "the engine says what is wrong with the file";
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "not a table at all");
}

TEST_F(SystemTablesTest, RebuildPacksAndLeavesOneTag) {
  std::unique_ptr<xbase::Table> t;
  ASSERT_TRUE(OpenEnvelopeTable(&t));
  for (const char* d : {"One", "Two", "Three"}) {
    ASSERT_TRUE(t->AppendBlank().ok());
    ASSERT_TRUE(t->Replace("DESCRIPT", d).ok());
  }
  ASSERT_TRUE(t->Go(2).ok());
  ASSERT_TRUE(t->Delete().ok());
  ASSERT_TRUE(t->Close().ok());
  t.reset();
  for (const SystemRebuildStep& step : SystemRebuildSteps()) {
    bool rebuilt = RebuildSystemTable(step.table, nullptr);
    // The delivered tables are absent here; the others exist or not.
    if (step.table == SystemTable::kEnvelope) {
      EXPECT_TRUE(rebuilt);
    }
    if (step.table == SystemTable::kStock) {
      EXPECT_FALSE(rebuilt);
    }
  }
  ASSERT_TRUE(OpenEnvelopeTable(&t));
  EXPECT_EQ(t->RecCount(), 2u);
  EXPECT_EQ(t->TagCount(), 1u);
  EXPECT_TRUE(messenger_.said.isEmpty());
}

TEST_F(SystemTablesTest, ASetUpListThatCannotBeWrittenIsToldWhy) {
  xbase::WatchedEnv env(xbase::Env::Default());
  env.fail_writes = true;
  std::unique_ptr<xbase::Table> t;
  EXPECT_FALSE(OpenSystemTable(SystemTable::kLetter, &t, &env));
  EXPECT_FALSE(t);
  EXPECT_EQ(messenger_.WithoutReasons(), QStringList{"Unable to Open or Create LETTER.DBF"});
  EXPECT_TRUE(messenger_.ReasonOf(0).contains("disk full")) << messenger_.said.join('|').toStdString();
}

TEST_F(SystemTablesTest, AnIndexThatCannotBeRemadeIsToldAndTheTableStillOpens) {
  std::unique_ptr<xbase::Table> t;
  ASSERT_TRUE(OpenLabelTable(&t));
  ASSERT_TRUE(t->Close().ok());
  t.reset();
  ASSERT_TRUE(QFile::remove(SystemDataDirectory() + "LABEL.CDX"));
  xbase::WatchedEnv env(xbase::Env::Default());
  env.fail_writes = true;
  EXPECT_TRUE(OpenSystemTable(SystemTable::kLabel, &t, &env));
  EXPECT_EQ(messenger_.WithoutReasons(), QStringList{"Unable to create index files"});
  EXPECT_TRUE(messenger_.ReasonOf(0).contains("disk full")) << messenger_.said.join('|').toStdString();
  t.reset();  // before the Env it was opened through
}

TEST_F(SystemTablesTest, ARebuildThatFailsIsTold) {
  QFile f(SystemDataDirectory() + "REPORT.DBF");
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a table at all");
  f.close();
  EXPECT_FALSE(RebuildSystemTable(SystemTable::kReport, nullptr));
  EXPECT_EQ(messenger_.WithoutReasons(), QStringList{"Unable to rebuild REPORT.DBF"});
  EXPECT_FALSE(messenger_.ReasonOf(0).isEmpty());
}

}  // namespace
}  // namespace vellumo
