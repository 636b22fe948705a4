// The suite's shared values: the current user and company, the paths, the
// switches that say which parts of the suite are in use, and the values that
// procedures hand to a lookup or a report and back.
//
// One copy per process. A caller sets a hand-over value immediately before a
// call and the callee reads it at its start (or the other way round right
// after the return); they are not meant to carry state between call chains.
// The request and response globals belong to the framework
// (host/framework/services/global_request.h).
#pragma once

#include <string>
#include <vector>

#include "host/framework/values/decimal.h"
#include "host/framework/values/scalars.h"
#include "host/framework/values/text.h"

namespace crv {

// The suite-wide settings a user can change from the host's menus.
struct GlobalSettings {
  std::string TempPath;      // folder for temporary files
  Flag LogUserActivity = 0;  // 1 = write the user activity log
  Flag EasyAutoEntry = 0;    // 1 = type-ahead completion on entry fields
  Flag PrintPreview = 0;     // 1 = reports open in the previewer
  int Increment = 0;
  int PreviewZoom = 0;
};

extern GlobalSettings GLO;

extern Text<3> UserID;  // the signed-on user
extern Text<40> CompanyName;
extern Text<100> ReportFooterMessage;  // the company's report footer
extern std::string DataPath;           // the company's data folder
extern std::string IniPath;            // the folder of the suite's settings files

extern Flag GENERIC;             // 1 = the suite runs without job cost
extern Flag ETIMESHEETPURCHASE;  // 1 = the order list offers import and export
extern std::string GNAME;        // the product's name, which generic mode shows in place of the suite's
extern Flag INPURCHASE;          // 1 = inventory purchasing in use
extern Flag EQPURCHASE;          // 1 = equipment purchasing in use
extern int PURCHASELEVEL;
extern std::string COUNTRY;  // "Canada" turns on GST and PST handling

extern int JobIDLen;     // characters of a job identifier
extern int CostCodeLen;  // characters of a cost code before its category letter

// Hand-over values.
extern std::string JOBFIELD;
extern std::string EQUIPFIELD;
extern Text<3000> REPORTFILTER;
extern std::string TEST;
extern Id GlobalReportLimit;
extern Amount DecimalVariable;
extern Text<250> PDFFileName;
extern std::vector<std::string> RXQUEUE;  // text lines of up to 2000 characters
extern std::vector<Id> TAGQUE;            // identifiers of tagged rows
extern std::vector<Id> TAGQUE2;

// The suite's mail fields: where a report e-mailed to a single address goes.
struct MailFields {
  std::string ToAddress;
  std::string ToName;
  std::string Subject;
};
extern MailFields MM;

}  // namespace crv
