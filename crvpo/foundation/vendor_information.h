// The vendor's name, address, phone, fax and contact as one message text,
// lines separated by "|", for the forms' vendor information buttons.
#pragma once

#include <string>

#include "host/data/tables/payables_tables.h"

namespace crvpo {

inline std::string vendorInformationText(const crv::APVendorRecord& v) {
  std::string text = v.VendorName.str() + "|" + v.Address.str() + "|";
  if (!v.Address2.empty()) text += v.Address2.str() + "|";
  text += v.City.str() + ", " + v.State.str() + "  " + v.Zip.str() + "||";
  if (!v.Phone.empty()) text += "Phone: " + v.Phone.str() + "|";
  if (!v.Fax.empty()) text += "Fax:      " + v.Fax.str();
  if (!v.Contact.empty()) text += "||Contact: " + v.Contact.str();
  return text;
}

}  // namespace crvpo
