// The error renderers throw when a page cannot be drawn or a file cannot be
// written; the message names the file and the cause.
#pragma once

#include <stdexcept>
#include <string>

namespace crv {

class RenderError : public std::runtime_error {
 public:
  explicit RenderError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace crv
