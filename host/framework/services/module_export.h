// Marks the entries a module library exports to the host by name (INIT,
// KILL and its procedures), so that they stay visible whatever the default
// symbol visibility of the build.
#pragma once

#define CRV_EXPORT __attribute__((visibility("default")))
