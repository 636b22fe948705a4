// The lists the import shows: the orders of a preview, one column per
// header field of the source's layout (the PO number and PO amount always
// among them), every second row shaded; and the error list, "Record #"
// and "Error Description". Rows are formatted only when shown.
#pragma once

#include <vector>

#include "crvpo/importexport/import_layout.h"
#include "crvpo/importexport/import_preview.h"
#include "host/framework/ui/indexed_list_model.h"
#include "host/framework/values/picture.h"

namespace crvpo {

class ImportPreviewList {
 public:
  explicit ImportPreviewList(const ImportPreview& preview);

  // Columns for the header fields of `layout`; `exchange` shows texts at
  // the widths the exchange file keeps.
  void setLayout(const ImportLayout& layout, bool exchange);
  // The preview's headers changed.
  void refresh();
  crv::ui::IndexedListModel& model() { return model_; }

  struct Column {
    HeaderField field;
    std::string heading;
    crv::Picture picture;
  };
  const std::vector<Column>& columns() const { return columns_; }

 private:
  crv::ui::ListCell cell(int row, int column) const;

  const ImportPreview* preview_;
  std::vector<Column> columns_;
  crv::ui::IndexedListModel model_;
};

class ImportErrorList {
 public:
  explicit ImportErrorList(const std::vector<ImportError>& errors);
  crv::ui::IndexedListModel& model() { return model_; }

 private:
  const std::vector<ImportError>* errors_;
  crv::ui::IndexedListModel model_;
};

}  // namespace crvpo
