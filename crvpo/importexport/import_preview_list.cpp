// The preview and error lists of the import.
#include "crvpo/importexport/import_preview_list.h"

#include <algorithm>

#include "crvpo/foundation/list_stripes.h"
#include "crvpo/importexport/import_fields.h"

namespace crvpo {
namespace {

using H = HeaderField;

// Headings and pictures of the preview's columns; text columns without a
// picture here show the field's kept width.
struct Shown {
  HeaderField field;
  const char* heading;
  const char* picture;
};

constexpr Shown shownFields[] = {
    {H::RecordType, "HD", "@s10"},
    {H::POID, "PO ID", "@n_6b"},
    {H::VendorID, "Vendor ID", "@n_5b"},
    {H::ExternalVendorID, "Ext Vendor", "@s20"},
    {H::PreparedBy, "Prepared By", "@s20"},
    {H::PreparedDate, "Prep Date", "@d1b"},
    {H::PONumber, "PO Number", "@s20"},
    {H::IssueDate, "Issue Date", "@d1b"},
    {H::DeliverAfterDate, "Deliver After", "@d1b"},
    {H::DeliveryDate, "Delivery", "@d1b"},
    {H::DeadlineDate, "Deliver By", "@d1b"},
    {H::PreTaxAmount, "Pre-tax Amount", "@n-15.2b"},
    {H::TaxRate, "Tax Rate", "@n-9.4b"},
    {H::TaxAmount, "Tax Amount", "@n-15.2b"},
    {H::POAmount, "Total Amount", "@n-15.2b"},
    {H::ShipToType, "Ship To Type", nullptr},
    {H::ShipToJob, "Ship To Job", nullptr},
    {H::ShipToVendor, "Ship To Vendor", "@n_6b"},
    {H::ShipToCustomer, "Ship To Customer", "@n_6b"},
    {H::ShipToName, "Ship To Name", nullptr},
    {H::ShipToAddress1, "Ship To Address 1", nullptr},
    {H::ShipToAddress2, "Ship To Address 2", nullptr},
    {H::ShipToCity, "Ship To City", nullptr},
    {H::ShipToState, "Ship To State", nullptr},
    {H::ShipToZip, "Ship To Zip", nullptr},
    {H::ShipToContact, "Ship To Contact", nullptr},
    {H::ShipVia, "Ship Via", nullptr},
    {H::ShipToInstructions, "Shipping Instructions", nullptr},
    {H::FOB, "FOB", nullptr},
    {H::Terms, "Terms", nullptr},
};

std::string format(const crv::Picture& picture, const FieldTarget& value) {
  if (value.text) return picture.formatTrimmed(std::string_view(*value.text));
  if (value.date) return picture.formatTrimmed(*value.date);
  if (value.amount) return picture.formatTrimmed(*value.amount);
  if (value.number) return picture.formatTrimmed(*value.number);
  if (value.real) return picture.formatTrimmed(*value.real);
  return {};
}

}  // namespace

ImportPreviewList::ImportPreviewList(const ImportPreview& preview)
    : preview_(&preview), model_({}, [this](int row, int column) { return cell(row, column); }) {}

void ImportPreviewList::setLayout(const ImportLayout& layout, bool exchange) {
  columns_.clear();
  std::vector<std::string> headings;
  for (const Shown& shown : shownFields) {
    const bool always = shown.field == H::PONumber || shown.field == H::POAmount;
    if (!always && !layout.has(shown.field)) continue;
    const HeaderDescriptor& descriptor = descriptorOf(shown.field);
    const std::string picture =
        shown.picture ? shown.picture
                      : "@s" + std::to_string(exchange ? descriptor.tableWidth : descriptor.keptWidth);
    columns_.push_back({shown.field, shown.heading, crv::Picture::parse(picture)});
    headings.push_back(shown.heading);
  }
  model_.setHeaders(std::move(headings));
  refresh();
}

void ImportPreviewList::refresh() { model_.reset(static_cast<int>(preview_->headers.size())); }

crv::ui::ListCell ImportPreviewList::cell(int row, int column) const {
  auto& header = const_cast<ImportHeader&>(preview_->headers.at(static_cast<std::size_t>(row)));
  const Column& shown = columns_.at(static_cast<std::size_t>(column));
  return {format(shown.picture, headerTarget(shown.field, header)), {}, {}, stripeBackground(row)};
}

ImportErrorList::ImportErrorList(const std::vector<ImportError>& errors)
    : errors_(&errors), model_({"Record #", "Error Description"}, [this](int row, int column) {
        static const crv::Picture record = crv::Picture::parse("@n6");
        static const crv::Picture text = crv::Picture::parse("@s50");
        const ImportError& error = errors_->at(static_cast<std::size_t>(row));
        return crv::ui::ListCell{
            column == 0 ? record.formatTrimmed(error.record) : text.formatTrimmed(error.text), {}, {}, {}};
      }) {
  model_.reset(static_cast<int>(errors.size()));
}

}  // namespace crvpo
