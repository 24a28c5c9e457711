#include "pre/window/section_key.h"

#include <QPainter>
#include <QPainterPath>

namespace korvel::pre {
namespace {

constexpr int kWidth = 203, kHeight = 240;
const QColor kBackground(212, 208, 200);
const QColor kBarGreen(0, 160, 0);

void DrawArrow(QPainter& p, QPointF from, QPointF to) {
  p.drawLine(from, to);
  const QPointF along = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
  const QPointF across(-along.y(), along.x());
  QPainterPath head;
  head.moveTo(to);
  head.lineTo(to - along * 8 + across * 4);
  head.lineTo(to - along * 8 - across * 4);
  head.closeSubpath();
  p.fillPath(head, Qt::black);
}

}  // namespace

QPixmap DrawSectionKey() {
  QPixmap picture(kWidth, kHeight);
  picture.fill(kBackground);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);

  const QRectF section(30, 30, 140, 180);
  const double strip = 14;  // the cover strips along the faces
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(QColor(190, 186, 178));
  p.drawRect(section);

  // Grid lines: next to each face, then three between them dividing the core in four.
  QList<double> xs, ys;
  for (int i = 0; i <= 4; ++i) {
    xs << section.left() + strip + i * (section.width() - 2 * strip) / 4;
    ys << section.top() + strip + i * (section.height() - 2 * strip) / 4;
  }
  p.setPen(QPen(Qt::white, 1, Qt::DotLine));
  for (double x : xs) p.drawLine(QPointF(x, section.top()), QPointF(x, section.bottom()));
  for (double y : ys) p.drawLine(QPointF(section.left(), y), QPointF(section.right(), y));

  const QPointF centre = section.center();
  p.setPen(QPen(Qt::black, 1.5));
  DrawArrow(p, centre, QPointF(section.right() + 22, centre.y()));
  DrawArrow(p, centre, QPointF(centre.x(), section.top() - 22));
  QFont italic("Times New Roman", 12);
  italic.setItalic(true);
  p.setFont(italic);
  p.drawText(QPointF(section.right() + 16, centre.y() + 16), "x");
  p.drawText(QPointF(centre.x() + 6, section.top() - 12), "y");

  // Bars where the lines next to the faces cross, numbered from the bottom left.
  const QPointF bars[4] = {{xs.front(), ys.back()}, {xs.back(), ys.back()}, {xs.front(), ys.front()},
                           {xs.back(), ys.front()}};
  QFont numbers = p.font();
  numbers.setItalic(false);
  numbers.setPointSize(9);
  p.setFont(numbers);
  for (int k = 0; k < 4; ++k) {
    p.setPen(Qt::NoPen);
    p.setBrush(kBarGreen);
    p.drawEllipse(bars[k], 4, 4);
    p.setPen(Qt::black);
    const bool left = k % 2 == 0, bottom = k < 2;
    const QPointF label = bars[k] + QPointF(left ? 6 : -14, bottom ? -6 : 16);
    p.drawText(label, QString::number(k + 1));
  }
  return picture;
}

}  // namespace korvel::pre
