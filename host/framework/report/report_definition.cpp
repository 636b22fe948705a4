// Names of band and item kinds, and band lookup.
#include "host/framework/report/report_definition.h"

#include <algorithm>
#include <array>
#include <utility>

namespace crv {
namespace {

constexpr std::array<std::pair<DefinedBandKind, std::string_view>, 7> bandKinds{{
    {DefinedBandKind::Form, "Form"},
    {DefinedBandKind::PageHeader, "PageHeader"},
    {DefinedBandKind::Header, "Header"},
    {DefinedBandKind::Detail, "Detail"},
    {DefinedBandKind::Footer, "Footer"},
    {DefinedBandKind::Summary, "Summary"},
    {DefinedBandKind::PageFooter, "PageFooter"},
}};

constexpr std::array<std::pair<DefinedItemKind, std::string_view>, 6> itemKinds{{
    {DefinedItemKind::Text, "text"},
    {DefinedItemKind::Field, "field"},
    {DefinedItemKind::PageNumber, "pagenumber"},
    {DefinedItemKind::Line, "line"},
    {DefinedItemKind::Box, "box"},
    {DefinedItemKind::Image, "image"},
}};

template <class Kind, std::size_t N>
std::string_view nameOf(const std::array<std::pair<Kind, std::string_view>, N>& names, Kind kind) {
  for (const auto& [k, name] : names)
    if (k == kind) return name;
  return {};
}

template <class Kind, std::size_t N>
std::optional<Kind> kindOf(const std::array<std::pair<Kind, std::string_view>, N>& names,
                           std::string_view name) {
  for (const auto& [kind, n] : names)
    if (n == name) return kind;
  return std::nullopt;
}

}  // namespace

std::string_view bandKindName(DefinedBandKind kind) { return nameOf(bandKinds, kind); }
std::optional<DefinedBandKind> bandKindNamed(std::string_view name) { return kindOf(bandKinds, name); }
std::string_view itemKindName(DefinedItemKind kind) { return nameOf(itemKinds, kind); }
std::optional<DefinedItemKind> itemKindNamed(std::string_view name) { return kindOf(itemKinds, name); }

DefinedBand* ReportDefinition::find(DefinedBandKind kind, std::string_view bandName) {
  for (DefinedBand& b : bands)
    if (b.kind == kind && (bandName.empty() || b.name == bandName)) return &b;
  return nullptr;
}

DefinedBand& ReportDefinition::band(DefinedBandKind kind) {
  if (DefinedBand* existing = find(kind)) return *existing;
  // Bands are kept in run order, so a file lists them as they print.
  auto at = std::find_if(bands.begin(), bands.end(), [kind](const DefinedBand& b) { return b.kind > kind; });
  DefinedBand added;
  added.kind = kind;
  return *bands.insert(at, std::move(added));
}

}  // namespace crv
