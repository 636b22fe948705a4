// The receivables tables the purchasing module reads: customers and their
// ship-to addresses.
#pragma once

#include <cstdint>

#include "host/data/tables/table_registry.h"

namespace crv {

// One row per customer.
struct ARCustRecord final : Record {
  Id CustomerID{};
  Text<50> Name;
  Text<50> Address;
  Text<50> Address2;
  Text<30> City;
  Text<2> State;
  Text<10> Zip;
  Text<20> Phone;
  Text<20> Fax;
  Text<40> Contact;
  Text<60> Email;
  Flag Active{};
  Text<20> Terms;
  Text<10> TaxCode;

  static constexpr KeyDef KeyCustomerID{"KeyCustomerID", {"CustomerID"}, true};
  static constexpr KeyDef KeyName{"KeyName", {"Name"}, false, false, true};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

// Alternate ship-to addresses of a customer.
struct ARShipToRecord final : Record {
  Id ShipToID{};
  Id CustomerID{};
  Text<40> Name;
  Text<40> Address;
  Text<40> Address2;
  Text<25> City;
  Text<2> State;
  Text<10> Zip;
  Text<40> Contact;
  Text<20> Phone;

  static constexpr KeyDef KeyShipToID{"KeyShipToID", {"ShipToID"}, true};
  static constexpr KeyDef KeyCustomerID{"KeyCustomerID", {"CustomerID", "Name"}};

  const RecordLayout& layout() const override;
  void describe(LayoutBuilder& b) const;
  static void define(TableDef& def);
  static const TableDef& table();
};

extern ARCustRecord ARC;
extern ARShipToRecord ARS;

extern Table ARCust;
extern Table ARShipTo;

}  // namespace crv
