// The suite's shared values.
#include "host/data/shared_values.h"

namespace crv {

GlobalSettings GLO;

Text<3> UserID;
Text<40> CompanyName;
Text<100> ReportFooterMessage;
std::string DataPath;
std::string IniPath;

Flag GENERIC = 0;
Flag ETIMESHEETPURCHASE = 1;
std::string GNAME = "Corvana";
Flag INPURCHASE = 0;
Flag EQPURCHASE = 0;
int PURCHASELEVEL = 0;
std::string COUNTRY;

int JobIDLen = 10;
int CostCodeLen = 6;

std::string JOBFIELD;
std::string EQUIPFIELD;
Text<3000> REPORTFILTER;
std::string TEST;
Id GlobalReportLimit = 0;
Amount DecimalVariable;
Text<250> PDFFileName;
std::vector<std::string> RXQUEUE;
std::vector<Id> TAGQUE;
std::vector<Id> TAGQUE2;
MailFields MM;

}  // namespace crv
