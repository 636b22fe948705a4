// Outcomes of saves and deletions and their failure texts.
#include "crvpo/entry/operation_outcome.h"

namespace crvpo {

OperationOutcome& OperationOutcome::fail(std::string text, std::string_view title) {
  done = false;
  message = text;
  notices.push_back({std::move(text), std::string(title), crv::Icon::Stop});
  return *this;
}

OperationOutcome& OperationOutcome::tell(std::string text, std::string_view title, crv::Icon icon) {
  notices.push_back({std::move(text), std::string(title), icon});
  return *this;
}

std::string failureText(const crv::StepFailure& failure, std::string_view consequence) {
  std::string text = failure.text();
  if (!consequence.empty()) text += "||" + std::string(consequence);
  return text;
}

void tellUser(const OperationOutcome& outcome) {
  for (const Notice& notice : outcome.notices) crv::message(notice.text, notice.title, notice.icon);
}

}  // namespace crvpo
