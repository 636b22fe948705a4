// EditAccountNum: puts an account number typed on a form into the
// company's account layout (SYS:AccountMask, see account_mask.h) before
// the form looks the account up.
#pragma once

#include <string>
#include <string_view>

#include "host/framework/services/module_export.h"

namespace crv::siblings {

// The company's account mask from its Systems row; blank when there is
// none or no company is open.
std::string companyAccountMask();
// An account number in the company's layout. The result is never longer
// than the mask, so it fits an account field of the mask's width.
std::string editAccountNumber(std::string_view account);

}  // namespace crv::siblings

extern "C" {
// Hand-over: REPORTFILTER holds the account number as typed; on return it
// holds the number in the company's layout. Answers RequestCompleted.
CRV_EXPORT void EditAccountNum();
}
