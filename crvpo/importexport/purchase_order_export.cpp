// The exchange file of purchase orders.
#include "crvpo/importexport/purchase_order_export.h"

#include <cstdlib>

#include "host/framework/services/file_replacement.h"
#include "host/framework/table/private_table.h"
#include "host/framework/table/table_steps.h"

namespace crvpo {
namespace {

// One line of the file, built field by field in a single string.
class Line {
 public:
  explicit Line(char kind) { text_ += kind; }

  template <int P>
  Line& number(crv::Decimal<P> value) {
    field();
    const std::size_t at = text_.size();
    text_ += value.toString();
    // No trailing zeros and no point after a whole number.
    while (text_.back() == '0') text_.pop_back();
    if (text_.back() == '.') text_.pop_back();
    if (text_.compare(at, std::string::npos, "-0") == 0) text_.erase(at, 1);
    return *this;
  }
  // A double in its shortest decimal form, without an exponent.
  Line& number(double value) {
    field();
    const auto shortest = crv::detail::shortestDecimal(value);
    if (!shortest || shortest->mantissa == 0) {
      text_ += '0';
      return *this;
    }
    // At most 17 significant digits: the mantissa fits 64 bits.
    const auto mantissa = static_cast<long long>(shortest->mantissa);
    if (mantissa < 0) text_ += '-';
    std::string digits = std::to_string(mantissa < 0 ? -mantissa : mantissa);
    if (shortest->exponent >= 0) {
      digits.append(static_cast<std::size_t>(shortest->exponent), '0');
    } else {
      const auto places = static_cast<std::size_t>(-shortest->exponent);
      if (digits.size() <= places) digits.insert(0, places - digits.size() + 1, '0');
      digits.insert(digits.size() - places, ".");
    }
    text_ += digits;
    return *this;
  }
  Line& number(std::uint32_t value) {
    field();
    text_ += std::to_string(value);
    return *this;
  }
  // Month/day/year, month and day padded to two characters with a space.
  Line& date(crv::Date value) {
    field();
    padded(value.month());
    text_ += '/';
    padded(value.dayOfMonth());
    text_ += '/';
    const std::string year = std::to_string(value.year());
    text_.append(year.size() < 4 ? 4 - year.size() : 0, '0');
    text_ += year;
    return *this;
  }
  // Quoted, a quote inside written as two and a line break as a space.
  Line& quoted(std::string_view text) {
    field();
    text_ += '"';
    while (!text.empty()) {
      std::size_t special = 0;
      while (special < text.size() && text[special] != '"' && text[special] != '\r' && text[special] != '\n')
        ++special;
      text_.append(text.substr(0, special));
      if (special == text.size()) break;
      const char c = text[special];
      text.remove_prefix(special + 1);
      if (c == '"') {
        text_ += "\"\"";
      } else {
        if (c == '\r' && !text.empty() && text.front() == '\n') text.remove_prefix(1);
        text_ += ' ';
      }
    }
    text_ += '"';
    return *this;
  }
  std::string str() && {
    text_ += '\n';
    return std::move(text_);
  }

 private:
  void field() { text_ += ','; }
  void padded(int value) {
    if (value < 10) text_ += ' ';
    text_ += std::to_string(value);
  }

  std::string text_;
};

}  // namespace

std::string PurchaseOrderExport::headerLine(const crv::POMasterRecord& po) {
  Line line('H');
  line.number(po.VendorID).quoted(po.PreparedBy.view()).date(po.PreparedDate).quoted(po.PONumber.view());
  line.date(po.IssueDate).date(po.DeliverAfterDate).date(po.DeliveryDate).date(po.DeadlineDate);
  line.number(po.PreTaxAmount).number(po.TaxRate).number(po.TaxAmount).number(po.POAmount);
  line.quoted(po.ShipToName.view()).quoted(po.ShipToAddress1.view()).quoted(po.ShipToAddress2.view());
  line.quoted(po.ShipToCity.view()).quoted(po.ShipToState.padded()).quoted(po.ShipToZip.view());
  line.quoted(po.ShipToContact.view()).quoted(po.ShipVia.view()).quoted(po.ShipToInstructions.view());
  line.quoted(po.FOB.view());
  return std::move(line).str();
}

std::string PurchaseOrderExport::detailLine(const crv::PODetailRecord& d) {
  Line line('D');
  line.number(std::uint32_t{d.TextFlag}).quoted(d.Text.view()).quoted(d.ItemID.view());
  line.quoted(d.Description.view()).number(d.QtyOrdered).number(d.UnitPrice).quoted(d.UnitName.view());
  line.number(d.TotalAmount).quoted(d.DetailType.view()).quoted(d.Account.view()).quoted(d.JobID.view());
  line.quoted(d.CostCode.view()).quoted(d.EquipmentID.view()).quoted(d.CostCategory.view());
  line.date(d.DeliverAfterDate).date(d.DeliveryDate).date(d.DeadlineDate);
  return std::move(line).str();
}

// One run: the orders and lines read, the file written.
class PurchaseOrderExport::Writer {
 public:
  Writer(crv::Connection& connection, const std::filesystem::path& target)
      : orders(connection), lines(connection), target_(target), file_(target) {}

  bool start() { return file_.ok() || fail(file_.error() + " Creating File"); }
  bool failed() const { return !summary.message.empty(); }
  bool fail(std::string text) {
    if (summary.message.empty()) summary.message = std::move(text);
    return false;
  }
  bool readFailed(crv::Table& table) {
    return fail(crv::StepFailure::of(table, crv::TableOp::Reading).text());
  }
  bool order() {
    if (orders.rec.Reconciled != 0) ++summary.reconciled;
    ++summary.orders;
    return put(headerLine(orders.rec));
  }
  bool line() {
    ++summary.lines;
    return put(detailLine(lines.rec));
  }
  // The lines of the order in the buffer, read by their own range.
  bool linesOfOrder() {
    lines.rec.POID = orders.rec.POID;
    if (lines.table.setRange(crv::PODetailRecord::KeyPOID, 1) != crv::TableStatus::Ok)
      return readFailed(lines.table);
    for (;;) {
      const crv::TableStatus read = lines.table.next();
      if (read == crv::TableStatus::EndOfFile) return true;
      if (read != crv::TableStatus::Ok) return readFailed(lines.table);
      if (!line()) return false;
    }
  }
  ExportSummary finish() {
    if (summary.message.empty() && !file_.commit()) summary.message = file_.error() + " Copying File";
    if (!summary.message.empty()) file_.abandon();
    summary.written = summary.message.empty();
    if (!summary.written) summary.message += "||The export file " + target_.string() + " was not written.";
    return std::move(summary);
  }

  crv::PrivateTable<crv::POMasterRecord> orders;
  crv::PrivateTable<crv::PODetailRecord> lines;
  ExportSummary summary;

 private:
  bool put(const std::string& text) { return file_.write(text) || fail(file_.error() + " Adding Export"); }

  std::filesystem::path target_;
  crv::FileReplacement file_;
};

ExportSummary PurchaseOrderExport::run(const std::vector<crv::Id>& poids,
                                       const std::filesystem::path& target) {
  Writer writer(*connection_, target);
  if (!writer.start()) return writer.finish();
  for (crv::Id poid : poids) {
    writer.orders.rec.POID = poid;
    const crv::TableStatus found = writer.orders.table.fetch(crv::POMasterRecord::KeyPOID);
    if (found == crv::TableStatus::NotFound) {
      writer.summary.missing.push_back(poid);
      continue;
    }
    if (found != crv::TableStatus::Ok) {
      writer.readFailed(writer.orders.table);
      break;
    }
    if (!writer.order() || !writer.linesOfOrder()) break;
  }
  return writer.finish();
}

ExportSummary PurchaseOrderExport::runAll(const std::filesystem::path& target) {
  Writer writer(*connection_, target);
  if (!writer.start()) return writer.finish();
  // Orders and lines are read side by side in POID order, each table once.
  auto& orders = writer.orders;
  auto& lines = writer.lines;
  orders.table.set(crv::POMasterRecord::KeyPOID);
  lines.table.set(crv::PODetailRecord::KeyPOID);
  crv::TableStatus lineRead = lines.table.next();
  for (;;) {
    const crv::TableStatus read = orders.table.next();
    if (read == crv::TableStatus::EndOfFile) break;
    if (read != crv::TableStatus::Ok) {
      writer.readFailed(orders.table);
      break;
    }
    if (!writer.order()) break;
    while (lineRead == crv::TableStatus::Ok && lines.rec.POID < orders.rec.POID)
      lineRead = lines.table.next();
    while (lineRead == crv::TableStatus::Ok && lines.rec.POID == orders.rec.POID && writer.line())
      lineRead = lines.table.next();
    if (writer.failed()) break;
    if (lineRead != crv::TableStatus::Ok && lineRead != crv::TableStatus::EndOfFile) {
      writer.readFailed(lines.table);
      break;
    }
  }
  return writer.finish();
}

std::optional<ReconciledNotice> reconciledNotice(std::size_t reconciled) {
  if (reconciled == 0) return std::nullopt;
  if (reconciled == 1)
    return ReconciledNotice{"Reconciled PO Exported As Open",
                            "The export program found 1 purchase order that has been at least partially "
                            "reconciled.  This purchase order was exported as fully open."};
  return ReconciledNotice{
      "Reconciled POs Exported As Open",
      "The export program found " + std::to_string(reconciled) +
          " purchase orders that have been at least partially reconciled.  These purchase "
          "orders were exported as fully open."};
}

}  // namespace crvpo
