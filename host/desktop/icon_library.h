// The desktop's icons: the application's, the menus' and the windows', and
// the small ones lists show in their cells, by name ("vendors", "orders",
// "inactive").
//
// The icons are drawn, not loaded: a coloured tile with a white glyph,
// painted at each size a desktop asks for, so they stay sharp on any
// screen and need no image files. A name the library does not know gives a
// neutral document icon, so a window that names an icon always has one.
#pragma once

#include <QIcon>
#include <string_view>

namespace crv::desktop {

QIcon icon(std::string_view name);
// The application's own icon.
QIcon applicationIcon();

}  // namespace crv::desktop
