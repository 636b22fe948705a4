// The malformed files under tests/data/import read and imported one by one,
// each into a fresh copy of the demo company, under the sanitizers: every
// file gives the error list or a message naming it, an import takes all
// that was accepted or nothing, the running figures stay those of a
// rebuild, and the whole run matches the committed transcript
// (tests/data/import/expected.txt; CRV_UPDATE_SCRIPTS=1 writes it afresh).
//
// Files ending in .csv are read with the built-in source, pairs of
// .headers.tsv and .details.tsv with a tab-delimited source of two files,
// .fixed files with a fixed-position source.
#include <unistd.h>

#include <cstdlib>
#include <sstream>

#include "tests/crvpo/importexport/import_fixture.h"

namespace crvpo::test {
namespace {

const std::filesystem::path corpus = std::filesystem::path(CRV_SOURCE_DIR) / "tests" / "data" / "import";

std::string readAll(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string withoutFolder(std::string text) {
  const std::string folder = corpus.string();
  for (auto at = text.find(folder); at != std::string::npos; at = text.find(folder))
    text.replace(at, folder.size(), "<corpus>");
  return text;
}

class ImportCorpusTest : public ImportFixture {
 protected:
  void freshCompany() {
    company.reset();
    std::filesystem::remove_all(companyFolder());
    std::filesystem::copy(demo->path(), companyFolder(), std::filesystem::copy_options::recursive);
    company = crv::Company::open(companyFolder());
  }

  std::optional<ImportSource> sourceFor(const std::filesystem::path& entry) {
    const std::string name = entry.filename().string();
    if (name.ends_with(".details.tsv")) return std::nullopt;
    if (name.ends_with(".headers.tsv")) {
      ImportSource source = commaSource("PO00PN00VI00####PO00DE00QO00UP00DT00AC00", entry);
      source.oneFile = false;
      source.format = FileFormat::Tab;
      source.detailFile = corpus / (name.substr(0, name.size() - 12) + ".details.tsv");
      return source;
    }
    if (name.ends_with(".fixed")) {
      ImportSource source = commaSource("R101PN10VI05####R201DE20QO06", entry);
      source.format = FileFormat::Fixed;
      return source;
    }
    return exchangeSource(entry);
  }

  // What reading and importing one file gave.
  std::string run(const ImportSource& source) {
    std::ostringstream out;
    ImportPreview preview;
    const ReadOutcome read = ImportReader(company->connection(), source).read(preview);
    if (!read.message.empty()) out << "message: " << read.message << "\n";
    if (!read.read) return out.str();
    out << "read " << preview.headers.size() << " order(s), " << preview.details.size() << " line(s), "
        << preview.rejected() << " rejected\n";
    for (const ImportError& error : preview.errors)
      out << "  " << (error.inDetailFile ? "details " : "") << error.record << ": " << error.text << "\n";
    if (preview.headers.empty()) return out.str();
    const std::int64_t before = orderCount();
    const std::size_t headers = preview.headers.size();
    const ImportOutcome imported = PurchaseOrderImport(company->connection(), source).run(preview);
    if (imported.done)
      out << "imported " << imported.orders << " order(s), " << imported.lines << " line(s)\n";
    else
      out << "not imported: " << imported.message << "\n";
    EXPECT_EQ(orderCount() - before, imported.done ? static_cast<std::int64_t>(headers) : 0)
        << "all or nothing";
    EXPECT_EQ(figureDifferences(), std::vector<std::string>{});
    return out.str();
  }
};

TEST_F(ImportCorpusTest, EveryMalformedFileGivesItsErrorsOrAMessage) {
  std::vector<std::filesystem::path> entries;
  for (const auto& entry : std::filesystem::directory_iterator(corpus))
    if (entry.path().filename() != "expected.txt") entries.push_back(entry.path());
  std::sort(entries.begin(), entries.end());
  ASSERT_GE(entries.size(), 40u);
  std::string transcript;
  for (const auto& entry : entries) {
    const auto source = sourceFor(entry);
    if (!source) continue;
    SCOPED_TRACE(entry.filename().string());
    freshCompany();
    transcript += "== " + entry.filename().string() + "\n" + withoutFolder(run(*source));
  }
  const auto expected = corpus / "expected.txt";
  if (std::getenv("CRV_UPDATE_SCRIPTS")) {
    std::ofstream(expected, std::ios::binary) << transcript;
    return;
  }
  EXPECT_EQ(transcript, readAll(expected));
}

TEST_F(ImportCorpusTest, AFileThatCannotBeReadIsNamed) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads every file";
  const auto file = write("locked.csv", "H,103\n");
  std::filesystem::permissions(file, std::filesystem::perms::none);
  ImportPreview preview;
  const ReadOutcome read = ImportReader(company->connection(), exchangeSource(file)).read(preview);
  EXPECT_FALSE(read.read);
  EXPECT_EQ(read.message, "The import file, " + file.string() + " cannot be read: Permission denied.");
}

}  // namespace
}  // namespace crvpo::test
