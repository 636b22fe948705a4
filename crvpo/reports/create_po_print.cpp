// The print-batch procedure: builds the batch and shows what went wrong.
#include "crvpo/reports/create_po_print.h"

#include <charconv>
#include <string>

#include "crvpo/reports/po_print_batch_builder.h"
#include "host/framework/services/message_box.h"
#include "host/framework/values/text.h"

namespace crvpo {
namespace {

// Each failure in a message box of its own; the build goes on after it.
class MessageBoxes final : public PrintBatchObserver {
 public:
  void stepFailed(const crv::StepFailure& failure) override { shown_.stepFailed(failure); }
  void cannotAccess(std::string_view table) override {
    crv::message("Error Accessing " + std::string(table));
  }

 private:
  crv::StepFailureMessages shown_;
};

}  // namespace

std::uint32_t orderNumberValue(std::string_view number) {
  number = crv::trim(number);
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (number.empty() || error != std::errc() || end != number.data() + number.size()) return 0;
  return value;
}

}  // namespace crvpo

void CreatePOPrint() {
  crvpo::MessageBoxes messages;
  crvpo::POPrintBatchBuilder(messages).build();
}
