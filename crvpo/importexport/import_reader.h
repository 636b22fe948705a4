// Reading an import source's files into a preview, with the checks that
// decide for each line whether it is accepted, accepted with a warning or
// rejected.
//
// A one-file source reads one file whose header lines start with "H" and
// detail lines with "D" or "P" (in the first or second character, so a
// quoted first field is recognised); headers are numbered 1, 2, 3 in file
// order and each detail belongs to the last header above it. A two-file
// source reads the header file, then the detail file, tied by their POID
// fields; without a POID among the header fields, headers are numbered in
// file order as in one file, and the detail lines carry the PO number they
// belong to. Whenever detail lines carry a PO number, details are tied to
// headers by it.
//
// Header checks, in order: a pre-tax amount of 0 takes the PO amount; an
// identifier used by an earlier header is rejected ("Duplicate POID: ");
// an unknown vendor number ("Vendor ID: "), a missing vendor ("Missing
// Vendor ID") or an unknown external vendor identifier are warnings, and a
// known external identifier gives the vendor number. Detail checks, for
// lines that are not text lines: amount, quantity and price complete each
// other; an item fills a blank description and, when only the quantity is
// known, the price from the order's vendor; the detail type comes from the
// code (J, E, G or I; the exchange file also writes the names), else from
// the job, equipment or account given; job and equipment lines take the
// account of their cost line or category (or the company's default); the
// account must exist ("Bad Account#: "). Every detail must find its header
// ("Detail with no Purchase Order Header: "). After reading, orders whose
// pre-tax amount differs from their lines ("Totals don't match on POID: ")
// or whose number is taken ("Purchase Order Alredy Exists: ") are listed.
//
// Fields that cannot be read are reported too: a number that is not one
// rejects its line, a date that is not one is left empty with a warning, an
// unclosed quote is a warning, and a line that is too long or holds a NUL
// character is rejected. A file that cannot be read at all stops the
// preview with a message naming it; so does a failed table read.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "crvpo/importexport/import_file.h"
#include "crvpo/importexport/import_lookups.h"
#include "crvpo/importexport/import_preview.h"
#include "crvpo/importexport/import_source.h"
#include "crvpo/importexport/import_values.h"

namespace crvpo {

class ImportObserver {
 public:
  virtual ~ImportObserver() = default;
  // Share of the work done, 0 to 100.
  virtual void progress(int percent) = 0;
};

struct ReadOutcome {
  bool read = false;    // the files were read to their end
  std::string message;  // why not
};

class ImportReader {
 public:
  ImportReader(crv::Connection& connection, ImportSource source);

  // Empties `preview` and fills it from the source's files.
  ReadOutcome read(ImportPreview& preview, ImportObserver* observer = nullptr);

 private:
  enum class Role { OneFile, Headers, Details };
  struct LineCheck;

  std::optional<std::string> readFile(const std::filesystem::path& file, bool heading, Role role,
                                      ImportObserver* observer);
  void takeLine(const ImportFile::Line& line, Role role);
  void takeHeader(const ImportFile::Line& line);
  void takeDetail(const ImportFile::Line& line);
  bool readHeader(LineCheck& check, ImportHeader& header);
  bool readDetail(LineCheck& check, ImportDetail& detail);
  void checkHeader(LineCheck& check, ImportHeader& header);
  void checkPricedDetail(LineCheck& check, ImportDetail& detail);
  void completeAmounts(ImportDetail& detail) const;
  void takeItem(ImportDetail& detail);
  void findAccount(LineCheck& check, ImportDetail& detail);
  void tieToHeader(LineCheck& check, ImportDetail& detail);
  void finish(LineCheck& check);
  void tieByNumber();
  void checkTotals();

  // The width text of a field is cut to.
  template <class Descriptor>
  int widthOf(const Descriptor& descriptor) const {
    return source_.exchange() ? descriptor.tableWidth : descriptor.keptWidth;
  }
  std::string_view text(ImportDetail::Ref ref) const { return crv::clip(preview_->text(ref)); }

  crv::Connection* connection_;
  ImportSource source_;
  ImportLookups lookups_;
  std::optional<DateFormat> dates_;
  std::vector<int> headerWidths_;
  std::vector<int> detailWidths_;
  ImportPreview* preview_ = nullptr;
  SplitLine split_;
  Role role_ = Role::OneFile;
  std::uint32_t headerLines_ = 0;  // header lines read, which number them in one file
  std::unordered_map<std::uint32_t, std::size_t> headerAt_;  // file identifier -> accepted header
};

}  // namespace crvpo
