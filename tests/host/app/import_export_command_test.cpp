// `crvhost export` and `crvhost import`, run as the installed program is:
// orders exported by number and read back by a preview that writes nothing
// and lists what it found, one "Record #" to a line, with a failing exit
// code for rejected lines; the import itself; an unknown order number
// refused before anything is written; the commands in --help.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "host/app/demo_company.h"
#include "support/command_run.h"
#include "support/temp_folder.h"

namespace crv::test {
namespace {

const std::string builtIn = "'*Purchase Orders Exported from Corvana'";

class ImportExportCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(program_)) GTEST_SKIP() << "crvhost not built";
    createDemoCompany(folder_ / "demo");
  }
  CommandRun crvhost(const std::string& arguments) { return runCommand(quoted(program_) + " " + arguments); }
  std::string company() const { return quoted(folder_ / "demo"); }

  const std::filesystem::path program_ = std::filesystem::path(CRV_TEST_BIN_DIR) / "crvhost";
  TempFolder folder_;
};

TEST_F(ImportExportCommandTest, ExportsByNumberAndImportsBack) {
  const auto file = folder_ / "two.txt";
  const CommandRun exported =
      crvhost("export " + company() + " " + quoted(file) + " " + std::string(demo::openJobOrder) + " " +
              std::string(demo::inventoryOrder));
  ASSERT_EQ(exported.code, 0) << exported.output;
  EXPECT_NE(exported.output.find("Exported 2 purchase order(s) with 6 line(s)"), std::string::npos)
      << exported.output;

  std::ofstream(file, std::ios::app) << "D,0,\"\",\"\",\"Stray\",1,1,\"EA\",1,\"G/L Account\",\"9999-99\"\n";
  const CommandRun preview =
      crvhost("import " + company() + " " + builtIn + " " + quoted(file) + " --preview");
  EXPECT_EQ(preview.code, 1) << "a line was rejected";
  EXPECT_NE(preview.output.find("Read 2 purchase order(s) with 6 line(s)"), std::string::npos)
      << preview.output;
  EXPECT_NE(
      preview.output.find("Record # 0: Purchase Order Alredy Exists: " + std::string(demo::openJobOrder)),
      std::string::npos);
  EXPECT_NE(preview.output.find("Record # 9: Bad Account#: 9999-99"), std::string::npos) << preview.output;
  EXPECT_EQ(preview.output.find("Imported"), std::string::npos) << "a preview writes nothing";

  const CommandRun imported = crvhost("import " + company() + " " + builtIn + " " + quoted(file));
  EXPECT_EQ(imported.code, 1);
  EXPECT_NE(imported.output.find("Imported 2 purchase order(s) with 6 line(s)."), std::string::npos)
      << imported.output;
  const CommandRun all = crvhost("export " + company() + " " + quoted(folder_ / "all.txt") + " --all");
  EXPECT_NE(all.output.find("Exported 8 purchase order(s)"), std::string::npos) << all.output;
}

TEST_F(ImportExportCommandTest, RefusesWhatItCannotDo) {
  const auto file = folder_ / "none.txt";
  const CommandRun unknown = crvhost("export " + company() + " " + quoted(file) + " 9999");
  EXPECT_EQ(unknown.code, 1);
  EXPECT_NE(unknown.output.find("No purchase order numbered 9999."), std::string::npos) << unknown.output;
  EXPECT_FALSE(std::filesystem::exists(file));

  const CommandRun missing = crvhost("import " + company() + " " + builtIn + " " + quoted(file));
  EXPECT_EQ(missing.code, 1);
  EXPECT_NE(missing.output.find("The import file, " + file.string() + " does not exist."), std::string::npos)
      << missing.output;
  const CommandRun source = crvhost("import " + company() + " 'No such source' " + quoted(file));
  EXPECT_NE(source.output.find("There is no import source named \"No such source\"."), std::string::npos);

  const CommandRun help = crvhost("--help");
  EXPECT_NE(help.output.find("import FOLDER SOURCE-NAME FILE [DETAIL-FILE] [--preview]"), std::string::npos);
  EXPECT_NE(help.output.find("export FOLDER OUT.txt (--all | PONUMBER...)"), std::string::npos);
}

}  // namespace
}  // namespace crv::test
