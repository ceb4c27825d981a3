#include "platform/ui/Glyphs.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QPolygonF>
#include <initializer_list>

namespace {

constexpr int GlyphSize = 18;
constexpr qreal StrokeWidth = 3.0;

QIcon DrawGlyph(const QColor &Colour, std::initializer_list<QPolygonF> Strokes) {
  QPixmap Picture(GlyphSize, GlyphSize);
  Picture.fill(Qt::transparent);
  QPainter Painter(&Picture);
  Painter.setRenderHint(QPainter::Antialiasing);
  Painter.setPen(QPen(Colour, StrokeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  for (const QPolygonF &Stroke : Strokes) Painter.drawPolyline(Stroke);
  Painter.end();
  return QIcon(Picture);
}

}  // namespace

QIcon OkGlyph() {
  return DrawGlyph(QColor(0, 150, 0), {QPolygonF({{3, 9.5}, {7, 13.5}, {15, 4.5}})});
}

QIcon CancelGlyph() {
  return DrawGlyph(QColor(200, 0, 0),
                   {QPolygonF({{4, 4}, {14, 14}}), QPolygonF({{14, 4}, {4, 14}})});
}
