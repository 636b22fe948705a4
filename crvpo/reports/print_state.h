// The module-wide values of purchase-order printing: the print settings the
// printing-limits window owns, the blank-form choice, the company heading
// the forms print and the subject of a printed order sent by e-mail.
//
// One instance per loaded module: the values keep what they were given for
// as long as the module stays loaded and start from the documented defaults
// (no print filter, no printed flag, no numbering, next number 0).
#pragma once

#include <cstdint>

#include "host/framework/values/scalars.h"
#include "host/framework/values/text.h"

namespace crvpo {

// What the blank form carries as its number.
enum class BlankFormNumbering : int { NextFromCounter = 0, Typed = 1, None = 2 };

struct PrintState {
  // Settings of the printing-limits window.
  crv::Text<3> PrintCondition;   // "U" unprinted only, "P" printed only, else all
  crv::Flag SetPrintedFlag = 0;  // 1 = mark each order printed when its batch row is built
  crv::Text<3> AssignPONumber;   // "B" number blank ones, "A" renumber all, else none
  std::uint32_t PONumber = 0;    // the next number to hand out
  // The batch was built from the "Generate POs" limits: only such a batch
  // hands out and stores the running number.
  bool fromLimits = false;

  // The blank-form confirmation's choice and the number it chose.
  BlankFormNumbering blankFormNumbering = BlankFormNumbering::None;
  crv::Text<15> AssignedPONumber;

  // The company heading, rebuilt by every batch build.
  crv::Text<50> CompanyName;
  crv::Text<50> CompanyLine1;
  crv::Text<50> CompanyLine2;
  crv::Text<50> CompanyLine3;
  crv::Text<50> CompanyLine4;

  crv::Text<70> EmailSubject;
};

PrintState& printState();

}  // namespace crvpo
