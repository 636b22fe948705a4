// Text-case preferences in the Control table.
#include "host/siblings/CRVMISC/text_case_store.h"

#include <string>

#include "host/data/tables/suite_tables.h"
#include "host/framework/table/private_table.h"
#include "host/framework/values/date.h"
#include "host/framework/values/text.h"

namespace crv::siblings {
namespace {

std::string sectionFor(std::string_view user) {
  std::string section(TextCaseStore::sectionPrefix);
  const std::string_view id = trim(user);
  if (!id.empty()) section += " " + std::string(id);
  return section;
}

// Positions `settings` on the row of the user's field; its buffer holds the
// key values either way.
bool find(PrivateTable<ControlRecord>& settings, std::string_view user, std::string_view field) {
  settings.rec.clear();
  settings.rec.Section = sectionFor(user);
  settings.rec.Setting = trim(field);
  return settings.fetch(ControlRecord::KeySetting);
}

}  // namespace

std::optional<TextCase> TextCaseStore::get(std::string_view user, std::string_view field) {
  PrivateTable<ControlRecord> settings(Control);
  if (trim(field).empty() || !find(settings, user, field)) return std::nullopt;
  return textCaseFromCode(settings.rec.Value.view());
}

bool TextCaseStore::put(std::string_view user, std::string_view field, TextCase textCase) {
  PrivateTable<ControlRecord> settings(Control);
  if (!settings.isOpen() || trim(field).empty()) return false;
  const bool exists = find(settings, user, field);
  settings.rec.Value = textCaseCode(textCase);
  settings.rec.ModifyDate = Date::today();
  return (exists ? settings.table.tryUpdate() : settings.table.tryInsert()) == TableStatus::Ok;
}

}  // namespace crv::siblings
