// What a preview read from an import file: the accepted headers and detail
// lines, and the errors found, held until the user imports or gives up.
//
// Each line read ends accepted, accepted with a warning (listed and kept)
// or rejected (listed and dropped). Errors carry the line number in the
// file ("Record #"; 0 for checks made after reading) and, for a source of
// two files, which file the line was in.
//
// Memory: a header costs about 700 bytes; a detail line 128 bytes plus
// the characters of its texts (TextArena), the headers' share aside.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "crvpo/importexport/text_arena.h"
#include "host/framework/values/date.h"
#include "host/framework/values/decimal.h"
#include "host/framework/values/scalars.h"

namespace crvpo {

struct ImportError {
  std::uint32_t record = 0;
  std::string text;
  bool inDetailFile = false;  // the detail file of a two-file source
};

struct ImportHeader {
  std::uint32_t fileId = 0;  // the order's identifier in the file
  std::uint32_t record = 0;
  crv::Id vendorId = 0;
  std::string recordType, externalVendorId, preparedBy, poNumber;
  crv::Date preparedDate, issueDate, deliverAfterDate, deliveryDate, deadlineDate;
  crv::Amount preTaxAmount, taxAmount, poAmount;
  double taxRate = 0;
  std::string shipToType, shipToJob;
  crv::Id shipToVendor = 0, shipToCustomer = 0;
  std::string shipToName, shipToAddress1, shipToAddress2, shipToCity, shipToState, shipToZip, shipToContact;
  std::string shipVia, shipToInstructions, fob, terms;
  // Filled while reading: the detail lines tied to the header and the sum
  // of their amounts; at import the job of the first of them.
  std::uint32_t detailCount = 0;
  crv::Amount detailSum;
  std::string defaultJob;
};

struct ImportDetail {
  using Ref = TextArena::Ref;

  std::uint32_t fileId = 0;  // the header it belongs to
  std::uint32_t record = 0;
  crv::Quantity qtyOrdered;
  crv::Amount totalAmount;
  double unitPrice = 0;
  crv::Date deliverAfterDate, deliveryDate, deadlineDate;
  std::uint8_t textFlag = 0;
  char typeCode = 0;  // 'J', 'E', 'G', 'I'
  bool hasPONumber = false;
  Ref poNumber, text, itemId, description, unitName, account, jobId, costCode, equipmentId, costCategory;
};

// The lists grow in blocks (a deque), so a preview of a million lines
// never holds a second copy of itself while it grows.
class ImportPreview {
 public:
  std::deque<ImportHeader> headers;
  std::deque<ImportDetail> details;
  std::vector<ImportError> errors;
  // Some detail line carries a PO number: details are tied to headers by it.
  bool tiedByNumber = false;

  ImportDetail::Ref keep(std::string_view text) { return texts_.add(text); }
  std::string_view text(ImportDetail::Ref ref) const { return texts_.get(ref); }

  void clear();
  // Headers and lines dropped, as the error review's Cancel leaves them.
  void dropHeaders() { headers = {}; }
  // How many lines the error list says were rejected.
  std::size_t rejected() const { return rejected_; }
  void error(std::uint32_t record, std::string text, bool inDetailFile, bool rejects);

 private:
  TextArena texts_;
  std::size_t rejected_ = 0;
};

}  // namespace crvpo
