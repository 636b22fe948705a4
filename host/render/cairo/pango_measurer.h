// Text measurement with pango and fontconfig, exactly as the painter draws
// (see host/render/pango_text_measurer.h). One measurer belongs to one
// thread.
#pragma once

#include <memory>

#include "host/framework/report/text_measurer.h"

namespace crv::render {

class PangoMeasurer final : public TextMeasurer {
 public:
  PangoMeasurer();
  ~PangoMeasurer() override;
  PangoMeasurer(const PangoMeasurer&) = delete;
  PangoMeasurer& operator=(const PangoMeasurer&) = delete;

  double textWidth(const Font& font, std::string_view text) const override;
  FontMetrics metrics(const Font& font) const override;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace crv::render
