// Painting the icons.
#include "host/desktop/icon_library.h"

#include <QColor>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QString>
#include <cmath>
#include <numbers>
#include <string>

namespace crv::desktop {
namespace {

enum class Glyph {
  Document,
  Search,
  Check,
  Calculator,
  ArrowIn,
  ArrowOut,
  Printer,
  Chart,
  Building,
  House,
  Box,
  Gear,
  Book,
  Person,
  Help,
  Folder,
  Blocked
};

struct Design {
  Glyph glyph;
  QColor tile;  // invalid: no tile, the glyph drawn in its own colour
};

std::string toLower(std::string_view name) {
  std::string lower(name);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

Design designOf(std::string_view name) {
  static const struct {
    std::string_view name;
    Glyph glyph;
    QRgb tile;
  } designs[] = {
      {"app", Glyph::Document, 0x1f5fbf},
      {"orders", Glyph::Document, 0x2f6fd0},
      {"search", Glyph::Search, 0x3b7f9f},
      {"reconcile", Glyph::Check, 0x2e8b57},
      {"recalc", Glyph::Calculator, 0x7a5bb5},
      {"import", Glyph::ArrowIn, 0x3a8a8a},
      {"export", Glyph::ArrowOut, 0x3a8a8a},
      {"print", Glyph::Printer, 0x55606e},
      {"report", Glyph::Chart, 0xc0702a},
      {"vendors", Glyph::Building, 0x8a5a2b},
      {"jobs", Glyph::House, 0xd08a1a},
      {"items", Glyph::Box, 0x9a6b3a},
      {"equipment", Glyph::Gear, 0xb8860b},
      {"accounts", Glyph::Book, 0x2a7a4a},
      {"customers", Glyph::Person, 0x8a3f8a},
      {"settings", Glyph::Gear, 0x5a6a7a},
      {"help", Glyph::Help, 0x2f6fd0},
      {"open", Glyph::Folder, 0xc99a2e},
      // The order lists' tags and reconciliation states: invoices green,
      // packing slips teal.
      {"~checkon.ico", Glyph::Check, 0x2f6fd0},
      {"~full.ico", Glyph::Check, 0x2e8b57},
      {"~partial.ico", Glyph::Document, 0x2e8b57},
      {"~fullg.ico", Glyph::Check, 0x3a8a8a},
      {"~partialg.ico", Glyph::Document, 0x3a8a8a},
      // The printing menus: preview, print directly, cancel.
      {"~preview.ico", Glyph::Search, 0x3b7f9f},
      {"~print.ico", Glyph::Printer, 0x55606e},
  };
  const std::string lower = toLower(name);
  for (const auto& d : designs)
    if (d.name == lower) return {d.glyph, QColor::fromRgb(d.tile)};
  if (lower == "~checkoff.ico") return {Glyph::Box, QColor()};
  if (name == "inactive" || lower == "~cross.ico") return {Glyph::Blocked, QColor()};
  return {Glyph::Document, QColor::fromRgb(0x6a7a8a)};
}

// Glyphs are drawn on a 32-unit square; the painter is scaled to the size.
void drawGlyph(QPainter& p, Glyph glyph, const QColor& ink) {
  QPen pen(ink, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  switch (glyph) {
    case Glyph::Document: {
      QPainterPath page;
      page.moveTo(10, 7);
      page.lineTo(19, 7);
      page.lineTo(23, 11);
      page.lineTo(23, 25);
      page.lineTo(10, 25);
      page.closeSubpath();
      p.drawPath(page);
      p.drawLine(QPointF(13, 14), QPointF(20, 14));
      p.drawLine(QPointF(13, 18), QPointF(20, 18));
      p.drawLine(QPointF(13, 22), QPointF(17, 22));
      break;
    }
    case Glyph::Search:
      p.drawEllipse(QPointF(14, 14), 6, 6);
      pen.setWidthF(3.4);
      p.setPen(pen);
      p.drawLine(QPointF(18.5, 18.5), QPointF(24, 24));
      break;
    case Glyph::Check:
      pen.setWidthF(3.4);
      p.setPen(pen);
      p.drawPolyline(QPolygonF({QPointF(9, 16.5), QPointF(14, 21.5), QPointF(23.5, 10.5)}));
      break;
    case Glyph::Calculator:
      p.drawRoundedRect(QRectF(9, 6, 14, 20), 2, 2);
      p.drawLine(QPointF(12, 11), QPointF(20, 11));
      p.setBrush(ink);
      for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) p.drawEllipse(QPointF(12.5 + c * 3.5, 15.5 + r * 3.3), 0.6, 0.6);
      break;
    case Glyph::ArrowIn:
    case Glyph::ArrowOut: {
      p.drawPolyline(QPolygonF({QPointF(8, 18), QPointF(8, 24), QPointF(24, 24), QPointF(24, 18)}));
      const bool in = glyph == Glyph::ArrowIn;
      p.drawLine(QPointF(16, 7), QPointF(16, 19));
      if (in)
        p.drawPolyline(QPolygonF({QPointF(11.5, 14.5), QPointF(16, 19), QPointF(20.5, 14.5)}));
      else
        p.drawPolyline(QPolygonF({QPointF(11.5, 11.5), QPointF(16, 7), QPointF(20.5, 11.5)}));
      break;
    }
    case Glyph::Printer:
      p.drawRect(QRectF(11, 6, 10, 6));
      p.drawRoundedRect(QRectF(7, 12, 18, 9), 2, 2);
      p.setBrush(ink);
      p.drawRect(QRectF(11, 18, 10, 7));
      break;
    case Glyph::Chart:
      p.setBrush(ink);
      p.drawRect(QRectF(8.5, 17, 3.5, 7));
      p.drawRect(QRectF(14.25, 11, 3.5, 13));
      p.drawRect(QRectF(20, 7, 3.5, 17));
      break;
    case Glyph::Building:
      p.drawRect(QRectF(8, 10, 16, 15));
      p.drawLine(QPointF(8, 10), QPointF(16, 6));
      p.drawLine(QPointF(16, 6), QPointF(24, 10));
      p.setBrush(ink);
      p.drawRect(QRectF(14, 18, 4, 7));
      p.drawRect(QRectF(10.5, 13, 3, 2.5));
      p.drawRect(QRectF(18.5, 13, 3, 2.5));
      break;
    case Glyph::House:
      p.drawPolyline(QPolygonF({QPointF(6, 16), QPointF(16, 7), QPointF(26, 16)}));
      p.drawPolyline(QPolygonF({QPointF(9.5, 14), QPointF(9.5, 25), QPointF(22.5, 25), QPointF(22.5, 14)}));
      p.drawRect(QRectF(14, 18, 4, 7));
      break;
    case Glyph::Box:
      p.drawPolygon(QPolygonF({QPointF(16, 6), QPointF(25, 10.5), QPointF(16, 15), QPointF(7, 10.5)}));
      p.drawPolyline(
          QPolygonF({QPointF(7, 10.5), QPointF(7, 21), QPointF(16, 26), QPointF(25, 21), QPointF(25, 10.5)}));
      p.drawLine(QPointF(16, 15), QPointF(16, 26));
      break;
    case Glyph::Gear: {
      p.setBrush(Qt::NoBrush);
      for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        p.drawLine(QPointF(16 + 7 * std::cos(a), 16 + 7 * std::sin(a)),
                   QPointF(16 + 10 * std::cos(a), 16 + 10 * std::sin(a)));
      }
      p.drawEllipse(QPointF(16, 16), 7, 7);
      p.drawEllipse(QPointF(16, 16), 2.5, 2.5);
      break;
    }
    case Glyph::Book:
      p.drawRoundedRect(QRectF(9, 6, 15, 20), 1.5, 1.5);
      p.drawLine(QPointF(12.5, 6), QPointF(12.5, 26));
      p.drawLine(QPointF(15.5, 12), QPointF(21, 12));
      p.drawLine(QPointF(15.5, 16), QPointF(21, 16));
      break;
    case Glyph::Person:
      p.drawEllipse(QPointF(16, 12), 4.5, 4.5);
      p.drawArc(QRectF(8, 19, 16, 14), 0, 180 * 16);
      break;
    case Glyph::Help: {
      QFont font("DejaVu Sans");
      font.setPixelSize(20);
      font.setBold(true);
      p.setFont(font);
      p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, "?");
      break;
    }
    case Glyph::Folder: {
      QPainterPath folder;
      folder.moveTo(7, 10);
      folder.lineTo(13, 10);
      folder.lineTo(15, 12);
      folder.lineTo(25, 12);
      folder.lineTo(25, 24);
      folder.lineTo(7, 24);
      folder.closeSubpath();
      p.drawPath(folder);
      p.drawLine(QPointF(7, 15.5), QPointF(25, 15.5));
      break;
    }
    case Glyph::Blocked:
      p.drawEllipse(QPointF(16, 16), 10, 10);
      p.drawLine(QPointF(9, 23), QPointF(23, 9));
      break;
  }
}

QPixmap paint(const Design& design, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  if (design.tile.isValid()) {
    QLinearGradient shade(0, 0, 0, 32);
    shade.setColorAt(0, design.tile.lighter(118));
    shade.setColorAt(1, design.tile.darker(112));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    drawGlyph(p, design.glyph, Qt::white);
  } else {
    drawGlyph(p, design.glyph, QColor::fromRgb(0x8a8a8a));
  }
  return pixmap;
}

}  // namespace

QIcon icon(std::string_view name) {
  static QHash<QString, QIcon> cache;
  const QString key = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
  if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;
  const Design design = designOf(name);
  QIcon made;
  for (int size : {16, 20, 24, 32, 48, 64}) made.addPixmap(paint(design, size));
  cache.insert(key, made);
  return made;
}

QIcon applicationIcon() { return icon("app"); }

}  // namespace crv::desktop
