// A purchase-order-like report for the report engine's tests: a form with
// boxes and captions, a header with the order's number, dates and vendor, a
// line table with wrapped descriptions and text lines, totals, and a footer
// with "Page N of M". Each order starts at page 1.
#pragma once

#include <string>
#include <vector>

#include "host/framework/report/paginator.h"
#include "host/framework/values/date.h"
#include "host/framework/values/decimal.h"

namespace crv::test {

struct SampleLine {
  std::string item;
  Quantity quantity;
  std::string description;
  std::string unit;
  Amount amount;
  bool textLine = false;
};

struct SampleOrder {
  std::string number;
  Date issued;
  std::string vendor;
  std::vector<std::string> vendorLines;
  std::vector<SampleLine> lines;
  Amount total;
};

// Order `number` with `lines` lines of plain ASCII values.
SampleOrder makeSampleOrder(int number, int lines);

class SampleOrderReport {
 public:
  SampleOrderReport();
  SampleOrderReport(const SampleOrderReport&) = delete;
  SampleOrderReport& operator=(const SampleOrderReport&) = delete;

  const Report& report() const { return report_; }
  // Prints the order and restarts the page numbers for the next one.
  void print(Paginator& paginator, const SampleOrder& order);

 private:
  Report report_;
  SampleOrder order_;
  SampleLine line_;
};

}  // namespace crv::test
