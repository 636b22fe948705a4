// Turning a report definition into a printable Report.
#include "host/designer/designer_layout.h"

namespace crv::designer {

std::unique_ptr<DesignerLayout> DesignerLayout::build(const ReportDefinition& definition,
                                                      const std::filesystem::path& folder,
                                                      const ReportBindings& bindings, std::string& error) {
  std::unique_ptr<DesignerLayout> layout(new DesignerLayout());
  layout->report_.page = definition.page;
  layout->folder_ = folder;
  layout->bindings_ = &bindings;
  for (std::size_t i = 0; i < definition.bands.size(); ++i)
    if (!layout->addBand(definition.bands[i], i, error)) return nullptr;
  return layout;
}

const std::vector<DesignerLayout::RunBand>& DesignerLayout::bands(DefinedBandKind kind) const {
  static const std::vector<RunBand> none;
  switch (kind) {
    case DefinedBandKind::Header:
      return headers_;
    case DefinedBandKind::Detail:
      return details_;
    case DefinedBandKind::Footer:
      return footers_;
    case DefinedBandKind::Summary:
      return summaries_;
    default:
      return none;
  }
}

bool DesignerLayout::addBand(const DefinedBand& defined, std::size_t index, std::string& error) {
  Band* band = nullptr;
  std::vector<RunBand>* runBands = nullptr;
  switch (defined.kind) {
    case DefinedBandKind::Form:
      band = &report_.form;
      break;
    case DefinedBandKind::PageHeader:
      band = &report_.pageHeader;
      break;
    case DefinedBandKind::PageFooter:
      band = &report_.pageFooter;
      break;
    case DefinedBandKind::Header:
      runBands = &headers_;
      newPage_ = newPage_ || defined.newPage;
      restartNumbers_ = restartNumbers_ || (defined.newPage && defined.restartPageNumbers);
      break;
    case DefinedBandKind::Detail:
      runBands = &details_;
      break;
    case DefinedBandKind::Footer:
      runBands = &footers_;
      break;
    case DefinedBandKind::Summary:
      runBands = &summaries_;
      break;
  }
  if (runBands) {
    auto condition = BandCondition::compile(defined.when, *bindings_, error);
    if (!condition) return false;
    const std::string name = "band " + std::to_string(index) + " " + defined.name;
    BandKind kind = defined.kind == DefinedBandKind::Header   ? BandKind::GroupHeader
                    : defined.kind == DefinedBandKind::Footer ? BandKind::GroupFooter
                                                              : BandKind::Detail;
    band = &report_.band(name, kind, defined.height);
    runBands->push_back(RunBand{name, std::move(*condition)});
  }
  if (defined.kind != DefinedBandKind::Form) band->setHeight(defined.height);
  for (const DefinedItem& item : defined.items)
    if (!addItem(*band, item, error)) return false;
  return true;
}

bool DesignerLayout::addItem(Band& band, const DefinedItem& item, std::string& error) {
  switch (item.kind) {
    case DefinedItemKind::Text: {
      TextItem& text = band.addText(item.x, item.y, item.width, item.text, item.font, item.align);
      text.color = item.color;
      text.wrap = item.wrap;
      return true;
    }
    case DefinedItemKind::Field:
      return addField(band, item, error);
    case DefinedItemKind::PageNumber:
      band.addPageNumber(item.x, item.y, item.width, item.text, item.font, item.align).color = item.color;
      return true;
    case DefinedItemKind::Line:
      band.addLine(item.x, item.y, item.x2, item.y2, item.thickness).color = item.color;
      return true;
    case DefinedItemKind::Box:
      band.addBox(item.x, item.y, item.width, item.height, item.thickness, item.fill).color = item.color;
      return true;
    case DefinedItemKind::Image: {
      const std::filesystem::path file = item.file.empty() ? std::filesystem::path() : folder_ / item.file;
      band.addImage(item.x, item.y, item.width, item.height, file.string(), item.fit);
      return true;
    }
  }
  return true;
}

bool DesignerLayout::addField(Band& band, const DefinedItem& item, std::string& error) {
  std::function<std::string()> source;
  if (!item.expression.empty()) {
    std::shared_ptr<BoundExpression> expression =
        BoundExpression::compile(item.expression, *bindings_, error);
    if (!expression) {
      error += ":|" + item.expression;
      return false;
    }
    expressions_.push_back(expression);
    source = [expression] {
      std::string ignored;
      return expression->text(ignored).value_or(std::string());
    };
  } else {
    const FieldRef* value = bindings_->find(item.name);
    if (!value) {
      error = "The report shows \"" + item.name + "\", which this report type does not publish.";
      return false;
    }
    std::optional<Picture> picture;
    if (!item.picture.empty()) picture = Picture::parse(item.picture);
    source = [value, picture] { return ReportBindings::formatted(*value, picture ? &*picture : nullptr); };
  }
  TextItem& text = band.addBound(item.x, item.y, item.width, std::move(source), item.font, item.align);
  text.color = item.color;
  text.wrap = item.wrap;
  return true;
}

}  // namespace crv::designer
