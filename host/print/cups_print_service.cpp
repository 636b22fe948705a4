// Printing through libcups.
#include "host/print/cups_print_service.h"

#include <cups/cups.h>

#include <algorithm>

namespace crv {
namespace {

// The destinations CUPS knows, freed with the object.
class Destinations {
 public:
  Destinations() : count_(cupsGetDests2(CUPS_HTTP_DEFAULT, &dests_)) {}
  ~Destinations() { cupsFreeDests(count_, dests_); }
  Destinations(const Destinations&) = delete;
  Destinations& operator=(const Destinations&) = delete;

  // The default destination, or nullptr.
  cups_dest_t* fallback() const { return cupsGetDest(nullptr, nullptr, count_, dests_); }

 private:
  cups_dest_t* dests_ = nullptr;
  int count_;
};

}  // namespace

std::string CupsPrintService::defaultPrinter() {
  Destinations destinations;
  const cups_dest_t* dest = destinations.fallback();
  return dest ? std::string(dest->name) : std::string();
}

PrintResult CupsPrintService::print(const PrintJob& job) {
  Destinations destinations;
  const cups_dest_t* dest = destinations.fallback();
  if (!dest) return {PrintResult::Status::NoDefaultPrinter, {}, 0};
  // The destination's own options (an lpoptions instance) first, then the
  // copies.
  cups_option_t* options = nullptr;
  int optionCount = 0;
  for (int i = 0; i < dest->num_options; ++i)
    optionCount = cupsAddOption(dest->options[i].name, dest->options[i].value, optionCount, &options);
  optionCount =
      cupsAddOption("copies", std::to_string(std::max(job.copies, 1)).c_str(), optionCount, &options);
  const int id = cupsPrintFile2(CUPS_HTTP_DEFAULT, dest->name, job.file.c_str(), job.title.c_str(),
                                optionCount, options);
  cupsFreeOptions(optionCount, options);
  if (id == 0) return {PrintResult::Status::Failed, cupsLastErrorString(), 0};
  return {PrintResult::Status::Printed, {}, id};
}

}  // namespace crv

crv::PrintService* crvCupsPrintService() {
  static crv::CupsPrintService service;
  return &service;
}
