// The print batch: the signed-in user's rows of POPrint, one per purchase
// order to print, built from what the caller asks for in DecimalVariable.
//
// Every purchase-order form prints from this batch and nothing else. The
// request codes are:
//   999999999        the sample order (never written to POMaster)
//   0.99             a blank form (DecimalVariable becomes 3333333333)
//   0 or less        every order chosen by the shared "Generate POs" limits
//   any other value  the one order whose POID is the value's whole part
// Building a row may number the order and mark it printed in POMaster, by
// the module's print settings. Failures are shown in message boxes and the
// build goes on; nothing already written is undone.
//
// The batch lives in the company database with every other table, shared by
// all users and told apart by UserID: a build replaces the caller's rows and
// leaves other users' batches alone.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "host/framework/services/module_export.h"
#include "host/framework/values/decimal.h"
#include "host/framework/values/scalars.h"

namespace crv {
class Table;
}

namespace crvpo {

inline constexpr std::string_view generatePOsReport = "Generate POs";

inline constexpr crv::Amount sampleOrderRequest = crv::Amount(999999999);
inline constexpr crv::Amount blankFormRequest = crv::Amount::fromRaw(99);

class POPrintBatchBuilder {
 public:
  void build();

 private:
  void openTables(std::initializer_list<crv::Table*> tables);
  void keepOneLimitsRecord();
  void clearUserRows();
  void buildCompanyHeading();
  void buildSingleOrder(crv::Id poid);
  void buildFromLimits();
  void buildSampleOrder();
  void buildBlankForm();
  void addRowForOrder();
  void handOutNumber();
  void insertBatchRow();
  void readFirstSystemsRow();
  void showFailure(const crv::Table& table, std::string_view context);

  std::vector<crv::Table*> opened_;
};

// The numeric value of an order number, 0 when it is not a whole number.
std::uint32_t orderNumberValue(std::string_view number);

}  // namespace crvpo

extern "C" {
// Rebuilds the signed-in user's print batch for the request in
// DecimalVariable and the company heading the forms print.
CRV_EXPORT void CreatePOPrint();
}
