// A report's design: its page setup, the bands drawn on every page (the
// form behind everything, the page header and the page footer) and the
// named bands it prints as it reads its records (details, group headers,
// totals). A Paginator prints a Report onto pages.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "host/framework/report/band.h"
#include "host/framework/report/page_setup.h"

namespace crv {

class Report {
 public:
  PageSetup page;
  Band form{BandKind::Form};              // origin at the top-left margin corner
  Band pageHeader{BandKind::PageHeader};  // at the top margin
  Band pageFooter{BandKind::PageFooter};  // ends at the bottom margin

  // The named band, added with the given kind when it does not exist yet.
  Band& band(const std::string& name, BandKind kind = BandKind::Detail, double height = 0);
  // Nullptr for an unknown name.
  const Band* findBand(std::string_view name) const;

 private:
  std::map<std::string, Band, std::less<>> bands_;
};

}  // namespace crv
