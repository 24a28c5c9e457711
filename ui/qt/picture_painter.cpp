#include "ui/qt/picture_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace korvel::qt {
namespace {

QColor ToQt(const form::Colour& c) { return QColor(c.red, c.green, c.blue); }

void Arrow(QPainter& p, const form::Shape& arrow) {
  p.drawLine(QPointF(arrow.x1, arrow.y1), QPointF(arrow.x2, arrow.y2));
  const std::array<form::Point, 3> head = form::ArrowHead(arrow);
  QPainterPath path;
  path.moveTo(head[0].x, head[0].y);
  path.lineTo(head[1].x, head[1].y);
  path.lineTo(head[2].x, head[2].y);
  path.closeSubpath();
  p.fillPath(path, ToQt(arrow.fill));
}

}  // namespace

QPixmap PaintPicture(const form::Picture& picture) {
  QPixmap pixmap(picture.width, picture.height);
  pixmap.fill(ToQt(picture.background));
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  for (const form::Shape& s : picture.shapes) {
    const QPointF first(s.x1, s.y1), second(s.x2, s.y2);
    switch (s.kind) {
      case form::Shape::Kind::kRectangle:
        p.setPen(QPen(ToQt(s.pen), s.penWidth));
        p.setBrush(ToQt(s.fill));
        p.drawRect(QRectF(first, second));
        break;
      case form::Shape::Kind::kLine:
        p.setPen(QPen(ToQt(s.pen), s.penWidth, s.dotted ? Qt::DotLine : Qt::SolidLine));
        p.drawLine(first, second);
        break;
      case form::Shape::Kind::kArrow:
        p.setPen(QPen(ToQt(s.pen), s.penWidth));
        Arrow(p, s);
        break;
      case form::Shape::Kind::kDot:
        p.setPen(Qt::NoPen);
        p.setBrush(ToQt(s.fill));
        p.drawEllipse(first, s.x2, s.x2);
        break;
      case form::Shape::Kind::kText: {
        QFont font(QString::fromStdString(picture.fontFamily));
        font.setPointSizeF(s.points);
        font.setItalic(s.italic);
        p.setFont(font);
        p.setPen(ToQt(s.pen));
        p.drawText(first, QString::fromUtf8(s.text.data(), static_cast<qsizetype>(s.text.size())));
        break;
      }
    }
  }
  return pixmap;
}

}  // namespace korvel::qt
