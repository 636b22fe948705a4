// The request and response of a procedure call.
#include "host/framework/services/global_request.h"

namespace crv {

int GlobalRequest = 0;
int GlobalResponse = 0;

}  // namespace crv
