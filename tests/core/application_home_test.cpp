// Choosing the application home and seeding it with delivered data.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/application_home.h"
#include "test_home.h"

namespace vellumo {
namespace {

TEST(ApplicationHomeTest, ChoiceOrder) {
  HomeCandidates c{"/opt/h", "/env/h", "/exe", true, "/user"};
  EXPECT_EQ(ChooseHome(c), "/opt/h/");
  c.option_home.clear();
  EXPECT_EQ(ChooseHome(c), "/env/h/");
  c.environment_home.clear();
  EXPECT_EQ(ChooseHome(c), "/exe/");
  c.executable_dir_writable = false;
  EXPECT_EQ(ChooseHome(c), "/user/");
  EXPECT_EQ(HomeOption({"vellumo", "--home", "/x"}), "/x");
  EXPECT_EQ(HomeOption({"vellumo", "--home=/y"}), "/y");
  EXPECT_EQ(HomeOption({"vellumo"}), "");
}

TEST(ApplicationHomeTest, SeedingCopiesOnlyWhatIsMissing) {
  QTemporaryDir delivered, sysdata;
  auto write = [](const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
  };
  write(delivered.filePath("CSZ.DBF"), "delivered");
  write(delivered.filePath("LBLTPL.DBF"), "catalogue");
  write(sysdata.filePath("CSZ.DBF"), "user's own");
  QString error;
  ASSERT_TRUE(SeedDeliveredData(delivered.path(), sysdata.path(), &error)) << error.toStdString();
  QFile csz(sysdata.filePath("CSZ.DBF")), stock(sysdata.filePath("LBLTPL.DBF"));
  ASSERT_TRUE(csz.open(QIODevice::ReadOnly) && stock.open(QIODevice::ReadOnly));
  EXPECT_EQ(csz.readAll(), "user's own");
  EXPECT_EQ(stock.readAll(), "catalogue");
  EXPECT_TRUE(SeedDeliveredData("", sysdata.path(), &error));
}

}  // namespace
}  // namespace vellumo
