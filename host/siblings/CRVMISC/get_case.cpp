// The text-case preference entry.
#include "host/siblings/CRVMISC/get_case.h"

#include "host/data/shared_values.h"
#include "host/framework/services/global_request.h"
#include "host/siblings/CRVMISC/text_case_store.h"

namespace crv::siblings {
namespace {

constexpr std::string_view readCommand = "000";

}  // namespace

std::string_view getCase(std::string_view request) {
  if (request.size() <= readCommand.size()) return "";
  const std::string_view command = request.substr(0, readCommand.size());
  const std::string_view field = request.substr(readCommand.size());
  const std::string_view user = UserID.view();
  if (command != readCommand) {
    const auto chosen = textCaseFromCode(command);
    if (!chosen || !TextCaseStore::put(user, field, *chosen)) return "";
  }
  const auto stored = TextCaseStore::get(user, field);
  return stored ? textCaseCode(*stored) : std::string_view();
}

}  // namespace crv::siblings

void GetCase() {
  crv::GlobalRequest = 0;
  const std::string_view answer = crv::siblings::getCase(crv::REPORTFILTER.view());
  crv::REPORTFILTER = answer;
  crv::GlobalResponse = answer.empty() ? crv::RequestCancelled : crv::RequestCompleted;
}
