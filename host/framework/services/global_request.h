// The request and response of a procedure call.
//
// A caller sets GlobalRequest to what it wants done, calls the procedure and
// reads GlobalResponse afterwards; procedures take no arguments. Both are
// one copy per process, used within one call chain at a time.
#pragma once

namespace crv {

inline constexpr int InsertRecord = 1;
inline constexpr int ChangeRecord = 2;
inline constexpr int DeleteRecord = 3;
inline constexpr int SelectRecord = 4;
inline constexpr int ViewRecord = 5;

inline constexpr int RequestCompleted = 1;
inline constexpr int RequestCancelled = 2;

extern int GlobalRequest;
extern int GlobalResponse;

}  // namespace crv
