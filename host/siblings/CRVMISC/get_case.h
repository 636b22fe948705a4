// GetCase: reads and stores the text case the signed-on user chose for a
// form's text field (see text_case.h and text_case_store.h).
//
// A request is a three-letter command followed by the field's name:
// "000POD:Description" asks for the stored case; "DEFPOD:Description",
// "UPRPOD:Description", "LWRPOD:Description", "CAPPOD:Description" or
// "SENPOD:Description" store that case. The answer is the code of the case
// now stored for the field, or "" when none is (the form then keeps the
// field's own case) or the request is not understood.
#pragma once

#include <string_view>

#include "host/framework/services/module_export.h"

namespace crv::siblings {

// The answer to a request; the codes are string constants.
std::string_view getCase(std::string_view request);

}  // namespace crv::siblings

extern "C" {
// Hand-over: REPORTFILTER holds the request; on return it holds the answer.
// Answers RequestCompleted when a case is stored for the field, otherwise
// RequestCancelled.
CRV_EXPORT void GetCase();
}
