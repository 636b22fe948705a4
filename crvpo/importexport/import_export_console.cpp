// The import and export commands.
#include "crvpo/importexport/import_export_console.h"

#include "crvpo/importexport/import_reader.h"
#include "crvpo/importexport/purchase_order_export.h"
#include "crvpo/importexport/purchase_order_import.h"
#include "host/data/company.h"
#include "host/data/tables/purchasing_tables.h"
#include "host/framework/table/private_table.h"

namespace crvpo {
namespace {

std::string plain(std::string text) {
  for (std::size_t at = text.find('|'); at != std::string::npos; at = text.find('|', at)) {
    const bool paragraph = at + 1 < text.size() && text[at + 1] == '|';
    text.replace(at, paragraph ? 2 : 1, paragraph ? "\n" : " ");
  }
  return text;
}

// The source by name; the built-in one even before a window created it,
// so that a preview of a fresh company writes nothing.
std::optional<ImportSource> sourceNamed(crv::Connection& connection, const std::string& name) {
  if (auto source = findSource(connection, name)) return source;
  if (crv::clip(name) == builtInSourceTitle()) return builtInSource();
  return std::nullopt;
}

void printErrors(const ImportPreview& preview, std::ostream& out) {
  for (const ImportError& error : preview.errors)
    out << "Record # " << error.record << (error.inDetailFile ? " (detail file)" : "") << ": " << error.text
        << "\n";
}

std::size_t linesOf(const ImportPreview& preview) { return preview.details.size(); }

}  // namespace

int importConsole(const ImportRequest& request, std::ostream& out, std::ostream& err) {
  crv::Company* company = crv::Company::current();
  if (!company) {
    err << "No company is open.\n";
    return 1;
  }
  auto source = sourceNamed(company->connection(), request.source);
  if (!source) {
    err << "There is no import source named \"" << request.source << "\".\n";
    return 1;
  }
  source->headerFile = request.file;
  if (!request.detailFile.empty()) source->detailFile = request.detailFile;

  ImportPreview preview;
  const ReadOutcome read = ImportReader(company->connection(), *source).read(preview);
  if (!read.read) {
    err << plain(read.message) << "\n";
    return 1;
  }
  if (!read.message.empty()) out << plain(read.message) << "\n";
  out << "Read " << preview.headers.size() << " purchase order(s) with " << linesOf(preview)
      << " line(s) from " << request.file << ".\n";
  printErrors(preview, out);
  if (preview.rejected() > 0) out << preview.rejected() << " line(s) rejected.\n";
  if (request.previewOnly || preview.headers.empty()) return preview.rejected() > 0 ? 1 : 0;

  const ImportOutcome imported = PurchaseOrderImport(company->connection(), *source).run(preview);
  if (!imported.done) {
    err << plain(imported.message) << "\n";
    return 1;
  }
  out << "Imported " << imported.orders << " purchase order(s) with " << imported.lines << " line(s).\n";
  return preview.rejected() > 0 ? 1 : 0;
}

int exportConsole(const std::string& target, const std::vector<std::string>& numbers, bool all,
                  std::ostream& out, std::ostream& err) {
  crv::Company* company = crv::Company::current();
  if (!company) {
    err << "No company is open.\n";
    return 1;
  }
  PurchaseOrderExport exporter(company->connection());
  ExportSummary summary;
  if (all) {
    summary = exporter.runAll(target);
  } else {
    std::vector<crv::Id> poids;
    crv::PrivateTable<crv::POMasterRecord> orders(company->connection());
    for (const std::string& number : numbers) {
      orders.rec.PONumber = number;
      orders.table.setRange(crv::POMasterRecord::KeyPONumber, 1);
      const std::size_t before = poids.size();
      while (orders.table.next() == crv::TableStatus::Ok) poids.push_back(orders.rec.POID);
      if (poids.size() == before) {
        err << "No purchase order numbered " << number << ".\n";
        return 1;
      }
    }
    summary = exporter.run(poids, target);
  }
  if (!summary.written) {
    err << plain(summary.message) << "\n";
    return 1;
  }
  out << "Exported " << summary.orders << " purchase order(s) with " << summary.lines << " line(s) to "
      << target << ".\n";
  if (auto notice = reconciledNotice(summary.reconciled)) out << notice->text << "\n";
  return 0;
}

}  // namespace crvpo

int ImportPOConsole(const char* source, const char* file, const char* detailFile, int previewOnly,
                    std::ostream* out, std::ostream* err) {
  return crvpo::importConsole({source, file, detailFile, previewOnly != 0}, *out, *err);
}

int ExportPOConsole(const char* target, const std::vector<std::string>* numbers, int all, std::ostream* out,
                    std::ostream* err) {
  return crvpo::exportConsole(target, *numbers, all != 0, *out, *err);
}
