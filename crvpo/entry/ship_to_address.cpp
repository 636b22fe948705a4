// Filling an order's ship-to address.
#include "crvpo/entry/ship_to_address.h"

namespace crvpo {
namespace {

// The address fields every source has, in the order's own field widths.
template <class Source>
void copyAddress(crv::POMasterRecord& order, const Source& source, std::string_view name) {
  order.ShipToName = name;
  order.ShipToAddress1 = source.Address.view();
  order.ShipToAddress2 = source.Address2.view();
  order.ShipToCity = source.City.view();
  order.ShipToState = source.State.view();
  order.ShipToZip = source.Zip.view();
}

}  // namespace

std::string cityStateZip(const crv::POMasterRecord& order) {
  std::string text = order.ShipToCity.empty() ? order.ShipToState.str()
                                              : order.ShipToCity.str() + ", " + order.ShipToState.str();
  text += "  " + order.ShipToZip.str();
  return text.substr(0, 40);
}

void shipToJobAddress(crv::POMasterRecord& order, const crv::JCHeaderRecord& job) {
  copyAddress(order, job, job.JobName.view());
  order.ShipToContact = job.CustomerContact.view();
}

void shipToVendorAddress(crv::POMasterRecord& order, const crv::APVendorRecord& vendor) {
  copyAddress(order, vendor, vendor.VendorName.view());
  order.ShipToContact = vendor.Contact.view();
}

void shipToCustomerAddress(crv::POMasterRecord& order, const crv::ARCustRecord& customer) {
  copyAddress(order, customer, customer.Name.view());
  order.ShipToContact = customer.Contact.view();
}

void shipToCompanyAddress(crv::POMasterRecord& order, const crv::SystemsRecord& company) {
  order.ShipToName = company.CompanyName.view();
  order.ShipToAddress1 = company.Address1.view();
  order.ShipToAddress2 = company.Address2.view();
  order.ShipToCity = company.City.view();
  order.ShipToState = company.State.view();
  order.ShipToZip = company.Zip.view();
}

void shipToAlternateAddress(crv::POMasterRecord& order, const crv::ARShipToRecord& address) {
  copyAddress(order, address, address.Name.view());
}

}  // namespace crvpo
