// CopyCompany: the host's window that copies the open company into a new
// company folder, on SQLite or on a PostgreSQL server, and says whether
// every table arrived whole (host/data/company_copy.h does the work; the
// command line has the same as `crvhost copy-company`).
#pragma once

#include "host/framework/ui/window_manager.h"
#include "host/framework/values/text.h"

namespace crv {

class CopyCompanyWindow final : public ui::WindowManager {
 public:
  CopyCompanyWindow();

 private:
  void proceed();
  // The folder's settings written for the server, when one is named; false
  // (the person told why) when the copy cannot start.
  bool prepareTarget();

  Text<250> folder_;
  Text<250> server_;
};

void copyCompanyProcedure();

}  // namespace crv
