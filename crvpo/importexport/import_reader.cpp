// Reading and checking import files.
#include "crvpo/importexport/import_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "crvpo/entry/line_amounts.h"
#include "crvpo/importexport/import_fields.h"
#include "host/framework/values/text.h"

namespace crvpo {
namespace {

constexpr std::uint32_t progressEvery = 4096;  // lines between progress reports

bool startsRecord(std::string_view line, char upper) {
  const char lower = static_cast<char>(upper - 'A' + 'a');
  for (std::size_t i = 0; i < 2 && i < line.size(); ++i)
    if (line[i] == upper || line[i] == lower) return true;
  return false;
}

std::string idText(std::uint32_t id) { return std::to_string(id); }

}  // namespace

struct ImportReader::LineCheck {
  std::uint32_t record = 0;
  std::vector<std::string> warnings;
  std::optional<std::string> rejection;

  void warn(std::string text) { warnings.push_back(std::move(text)); }
  void reject(std::string text) {
    if (!rejection) rejection = std::move(text);
  }
  bool rejected() const { return rejection.has_value(); }
};

ImportReader::ImportReader(crv::Connection& connection, ImportSource source)
    : connection_(&connection),
      source_(std::move(source)),
      lookups_(connection),
      dates_(DateFormat::named(source_.dateFormat)) {
  for (const auto& cell : source_.layout.header) headerWidths_.push_back(cell.width);
  for (const auto& cell : source_.layout.detail) detailWidths_.push_back(cell.width);
}

ReadOutcome ImportReader::read(ImportPreview& preview, ImportObserver* observer) {
  preview.clear();
  preview_ = &preview;
  headerAt_.clear();
  headerLines_ = 0;
  try {
    std::optional<std::string> failure;
    if (source_.oneFile) {
      failure = readFile(source_.headerFile, source_.headerHasHeading, Role::OneFile, observer);
    } else {
      failure = readFile(source_.headerFile, source_.headerHasHeading, Role::Headers, observer);
      if (!failure) failure = readFile(source_.detailFile, source_.detailHasHeading, Role::Details, observer);
    }
    if (failure) {
      preview.clear();
      return {false, *failure};
    }
    if (preview.tiedByNumber)
      tieByNumber();
    else
      checkTotals();
  } catch (const ImportLookupError& error) {
    preview.clear();
    return {false, error.what()};
  }
  if (observer) observer->progress(100);
  if (preview.headers.empty() && preview.errors.empty())
    return {true, "No purchase orders were found in " + source_.headerFile.string() + "."};
  return {true, {}};
}

std::optional<std::string> ImportReader::readFile(const std::filesystem::path& file, bool heading, Role role,
                                                  ImportObserver* observer) {
  ImportFile input;
  if (auto failure = input.open(file)) return failure;
  role_ = role;
  const int base = role == Role::Details ? 50 : 0;
  const int share = role == Role::OneFile ? 100 : 50;
  ImportFile::Line line;
  while (input.next(line)) {
    if (observer && line.number % progressEvery == 0)
      observer->progress(base + input.percentRead() * share / 100);
    if (heading && line.number == 1) continue;
    takeLine(line, role);
  }
  return input.failure();
}

void ImportReader::takeLine(const ImportFile::Line& line, Role role) {
  if (line.tooLong || line.hasNul) {
    LineCheck check{line.number, {}, {}};
    check.reject(line.tooLong ? "Line longer than 65,536 characters" : "Line holds a NUL character");
    finish(check);
    return;
  }
  if (crv::clip(line.text).empty()) return;
  if (role == Role::Headers) return takeHeader(line);
  if (role == Role::Details) return takeDetail(line);
  if (startsRecord(line.text, 'H')) return takeHeader(line);
  if (startsRecord(line.text, 'D') || startsRecord(line.text, 'P')) return takeDetail(line);
}

void ImportReader::finish(LineCheck& check) {
  const bool detailFile = role_ == Role::Details;
  for (auto& text : check.warnings) preview_->error(check.record, std::move(text), detailFile, false);
  if (check.rejection) preview_->error(check.record, std::move(*check.rejection), detailFile, true);
}

// ---------------------------------------------------------------- headers

void ImportReader::takeHeader(const ImportFile::Line& line) {
  ++headerLines_;
  LineCheck check{line.number, {}, {}};
  splitLine(line.text, source_.format, headerWidths_, split_);
  ImportHeader header;
  header.record = line.number;
  header.fileId = headerLines_;
  if (readHeader(check, header)) checkHeader(check, header);
  finish(check);
}

bool ImportReader::readHeader(LineCheck& check, ImportHeader& header) {
  // The file's POID numbers the orders of a header file; in one file the
  // headers are numbered as read, and so are those of a header file
  // without a POID.
  const bool ownIds = role_ == Role::Headers;
  FieldReader reader(dates_, check.warnings, preview_);
  for (std::size_t i = 0; i < source_.layout.header.size(); ++i) {
    const HeaderField field = source_.layout.header[i].field;
    if (field == HeaderField::POID && !ownIds) continue;
    if (split_.unclosedQuote == static_cast<int>(i))
      check.warn(quoteNotClosedText(descriptorOf(field).contents));
    const HeaderDescriptor& descriptor = descriptorOf(field);
    if (auto problem = reader.read(split_.values[i], descriptor.kind, descriptor.contents,
                                   widthOf(descriptor), headerTarget(field, header))) {
      check.reject(*problem);
      return false;
    }
  }
  return true;
}

void ImportReader::checkHeader(LineCheck& check, ImportHeader& header) {
  header.detailCount = 0;
  header.detailSum = {};
  if (header.preTaxAmount.isZero()) header.preTaxAmount = header.poAmount;
  if (headerAt_.count(header.fileId)) return check.reject("Duplicate POID: " + idText(header.fileId));
  if (header.vendorId != 0) {
    if (!lookups_.vendorExists(header.vendorId)) check.warn("Vendor ID: " + idText(header.vendorId));
  } else if (crv::clip(header.externalVendorId).empty()) {
    check.warn("Missing Vendor ID");
  } else if (auto vendor = lookups_.vendorByExternalId(header.externalVendorId)) {
    header.vendorId = *vendor;
  } else {
    check.warn("Vendor ID: " + std::string(crv::clip(header.externalVendorId)));
  }
  headerAt_[header.fileId] = preview_->headers.size();
  preview_->headers.push_back(std::move(header));
}

// ---------------------------------------------------------------- details

void ImportReader::takeDetail(const ImportFile::Line& line) {
  LineCheck check{line.number, {}, {}};
  splitLine(line.text, source_.format, detailWidths_, split_);
  ImportDetail detail;
  detail.record = line.number;
  detail.fileId = role_ == Role::OneFile ? headerLines_ : 0;
  if (readDetail(check, detail)) {
    if (detail.textFlag == 0) checkPricedDetail(check, detail);
    if (!check.rejected()) tieToHeader(check, detail);
    if (!check.rejected()) preview_->details.push_back(detail);
  }
  finish(check);
}

bool ImportReader::readDetail(LineCheck& check, ImportDetail& detail) {
  FieldReader reader(dates_, check.warnings, preview_);
  reader.setQuantityPlaces(source_.exchange() ? crv::Quantity::places : 2);
  for (std::size_t i = 0; i < source_.layout.detail.size(); ++i) {
    const DetailField field = source_.layout.detail[i].field;
    if (field == DetailField::POID && role_ == Role::OneFile) continue;
    const DetailDescriptor& descriptor = descriptorOf(field);
    if (split_.unclosedQuote == static_cast<int>(i)) check.warn(quoteNotClosedText(descriptor.contents));
    std::string_view value = split_.values[i];
    if (field == DetailField::DetailType) {
      detail.typeCode = detailTypeCode(value, source_.exchange());
      continue;
    }
    if (auto problem = reader.read(value, descriptor.kind, descriptor.contents, widthOf(descriptor),
                                   detailTarget(field, detail))) {
      check.reject(*problem);
      return false;
    }
  }
  detail.hasPONumber = !crv::clip(preview_->text(detail.poNumber)).empty();
  return true;
}

void ImportReader::checkPricedDetail(LineCheck& check, ImportDetail& detail) {
  try {
    completeAmounts(detail);
    takeItem(detail);
    if (detail.totalAmount.isZero()) detail.totalAmount = lineAmount(detail.qtyOrdered, detail.unitPrice);
  } catch (const std::exception&) {
    return check.reject("Amounts out of range");
  }
  if (detail.typeCode == 0) {
    if (!text(detail.jobId).empty())
      detail.typeCode = 'J';
    else if (!text(detail.equipmentId).empty())
      detail.typeCode = 'E';
    else
      detail.typeCode = 'G';
  }
  findAccount(check, detail);
}

void ImportReader::completeAmounts(ImportDetail& d) const {
  const bool amount = !d.totalAmount.isZero();
  const bool quantity = !d.qtyOrdered.isZero();
  const bool price = d.unitPrice != 0;
  if (amount && quantity && !price) {
    d.unitPrice = d.totalAmount.toDouble() / d.qtyOrdered.toDouble();
  } else if (amount && !quantity && price) {
    const crv::Quantity q = crv::divide<crv::Quantity::places>(d.totalAmount, d.unitPrice);
    d.qtyOrdered = source_.exchange() ? q : q.rescale<2>().rescale<crv::Quantity::places>();
  } else if (!amount && quantity && price) {
    d.totalAmount = lineAmount(d.qtyOrdered, d.unitPrice);
  } else if (amount && !quantity && !price) {
    d.qtyOrdered = crv::Quantity(1);
    d.unitPrice = d.totalAmount.toDouble();
  }
}

void ImportReader::takeItem(ImportDetail& detail) {
  const std::string_view itemId = text(detail.itemId);
  if (itemId.empty()) return;
  const ImportLookups::Item* item = lookups_.item(itemId);
  if (!item) return;
  if (text(detail.description).empty()) {
    const DetailDescriptor& descriptor = descriptorOf(DetailField::Description);
    detail.description = preview_->keep(cutText(item->description, widthOf(descriptor)));
  }
  if (detail.qtyOrdered.isZero() || detail.unitPrice != 0 || !detail.totalAmount.isZero()) return;
  const auto header = headerAt_.find(detail.fileId);
  if (header == headerAt_.end()) return;
  const crv::Id vendor = preview_->headers[header->second].vendorId;
  if (vendor == 0) return;
  if (auto price = lookups_.vendorPrice(itemId, vendor)) detail.unitPrice = *price;
}

void ImportReader::findAccount(LineCheck& check, ImportDetail& detail) {
  std::string account(text(detail.account));
  // The exchange file carries the account each line was saved with; a
  // line the line form saved without one (inventory, equipment, job) comes
  // back without one.
  if (source_.exchange()) {
    if (account.empty() && detail.typeCode != 'G') return;
  } else if (detail.typeCode == 'J') {
    account = lookups_.costLineAccount(text(detail.jobId), text(detail.costCode))
                  .value_or(lookups_.defaultJobAccount());
  } else if (detail.typeCode == 'E') {
    account = lookups_.equipmentAccount(text(detail.equipmentId), text(detail.costCategory))
                  .value_or(lookups_.defaultEquipmentAccount());
  }
  detail.account = preview_->keep(account);
  if (!lookups_.accountExists(account)) check.reject("Bad Account#: " + account);
}

void ImportReader::tieToHeader(LineCheck& check, ImportDetail& detail) {
  if (detail.hasPONumber) {
    preview_->tiedByNumber = true;
    return;
  }
  const auto header = headerAt_.find(detail.fileId);
  if (header == headerAt_.end())
    return check.reject("Detail with no Purchase Order Header: " + idText(detail.fileId));
  ImportHeader& owner = preview_->headers[header->second];
  owner.detailCount += 1;
  owner.detailSum += detail.totalAmount;
}

// ---------------------------------------------------------------- after reading

void ImportReader::tieByNumber() {
  std::unordered_map<std::string, std::size_t> owner;  // the last header of each number
  for (std::size_t i = 0; i < preview_->headers.size(); ++i)
    owner[std::string(crv::clip(preview_->headers[i].poNumber))] = i;
  struct Tally {
    std::uint32_t count = 0;
    crv::Amount sum;
  };
  std::unordered_map<std::string, Tally> tallies;
  auto& details = preview_->details;
  std::vector<bool> orphan(details.size(), false);
  for (std::size_t i = 0; i < details.size(); ++i) {
    ImportDetail& detail = details[i];
    if (!detail.hasPONumber) continue;
    const std::string number(crv::clip(preview_->text(detail.poNumber)));
    const auto header = owner.find(number);
    if (header == owner.end()) {
      // Tying it to the header above it would put it on another order.
      preview_->error(detail.record, "Detail with no Purchase Order Header: " + number, !source_.oneFile,
                      true);
      orphan[i] = true;
      continue;
    }
    detail.fileId = preview_->headers[header->second].fileId;
    Tally& tally = tallies[number];
    tally.count += 1;
    tally.sum += detail.totalAmount;
  }
  std::size_t kept = 0;
  for (std::size_t i = 0; i < details.size(); ++i)
    if (!orphan[i]) details[kept++] = details[i];
  details.resize(kept);
  for (ImportHeader& header : preview_->headers) {
    const Tally tally = tallies[std::string(crv::clip(header.poNumber))];
    header.detailCount = tally.count;
    header.detailSum = tally.sum;
    header.preTaxAmount = tally.sum;
    header.poAmount = tally.sum;
  }
}

void ImportReader::checkTotals() {
  for (ImportHeader& header : preview_->headers) {
    if (header.detailCount >= 1 && header.preTaxAmount != header.detailSum) {
      preview_->error(0, "Totals don't match on POID: " + idText(header.fileId), false, false);
      header.poAmount = header.detailSum;
    }
    const std::string_view number = crv::clip(header.poNumber);
    if (!number.empty() && lookups_.orderNumberExists(number))
      preview_->error(0, "Purchase Order Alredy Exists: " + std::string(number), false, false);
  }
}

}  // namespace crvpo
