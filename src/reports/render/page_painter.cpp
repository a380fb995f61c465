#include "reports/render/page_painter.h"

#include <QBrush>
#include <QFontMetricsF>
#include <QPen>
#include <algorithm>
#include <cmath>

#include "reports/render/report_fonts.h"

namespace reports {
namespace {

// At printer and PDF resolutions the nearest whole pixel size is within half a percent of
// the wanted size; such text is drawn as it is, which keeps the output small and fast.
constexpr double kUnscaledTextTolerance = 0.005;

QColor toQColor(Color c) {
    return QColor(c.red, c.green, c.blue);
}

Qt::BrushStyle toQtStyle(BrushStyle style) {
    switch (style) {
        case BrushStyle::Solid:
            return Qt::SolidPattern;
        case BrushStyle::BackwardDiagonal:
            return Qt::BDiagPattern;
        case BrushStyle::ForwardDiagonal:
            return Qt::FDiagPattern;
        case BrushStyle::Cross:
            return Qt::CrossPattern;
        case BrushStyle::DiagonalCross:
            return Qt::DiagCrossPattern;
        case BrushStyle::Horizontal:
            return Qt::HorPattern;
        case BrushStyle::Vertical:
            return Qt::VerPattern;
    }
    return Qt::SolidPattern;
}

class Replay {
  public:
    Replay(QPainter& painter, const PagePlacement& placement)
        : p_(painter), origin_(placement.origin), dpi_(placement.dotsPerInch) {}

    void operator()(const TextOp& op) {
        // A whole pixel size, scaled to the exact size, so the text keeps the proportions
        // the engine measured at every zoom and resolution.
        const PixelScale scale = pixelScaleFor(op.font.size, dpi_);
        QFont font = toQFont(op.font);
        font.setPixelSize(scale.pixelSize);
        p_.setFont(font);
        p_.setPen(QPen(toQColor(op.font.color)));
        const QString text = QString::fromStdString(op.text);
        double x = px(op.x, origin_.x());
        if (op.align != Justify::Left) {
            const double width = QFontMetricsF(font).horizontalAdvance(text) * scale.factor;
            x -= op.align == Justify::Center ? width / 2 : width;
        }
        const QPointF at(x, px(op.baseline, origin_.y()));
        if (std::abs(scale.factor - 1) < kUnscaledTextTolerance) {
            p_.drawText(at, text);
            return;
        }
        const QTransform before = p_.worldTransform();
        p_.setWorldTransform(
            QTransform(before).translate(at.x(), at.y()).scale(scale.factor, scale.factor));
        p_.drawText(QPointF(0, 0), text);
        p_.setWorldTransform(before);
    }

    void operator()(const LineOp& op) {
        p_.setPen(pen(op.pen));
        p_.drawLine(QPointF(px(op.x1, origin_.x()), px(op.y1, origin_.y())),
                    QPointF(px(op.x2, origin_.x()), px(op.y2, origin_.y())));
    }

    void operator()(const RectOp& op) {
        p_.setPen(op.pen ? pen(*op.pen) : QPen(Qt::NoPen));
        p_.setBrush(op.brush ? brush(*op.brush) : QBrush(Qt::NoBrush));
        const QRectF rect(QPointF(px(op.left, origin_.x()), px(op.top, origin_.y())),
                          QPointF(px(op.right, origin_.x()), px(op.bottom, origin_.y())));
        p_.drawRect(rect.normalized());
        p_.setBrush(Qt::NoBrush);
    }

  private:
    double px(double inches, double offset) const { return offset + inches * dpi_; }

    QPen pen(const Pen& pen) const {
        QPen q(toQColor(pen.color));
        q.setWidthF(std::max(1.0, pen.width * dpi_));
        q.setCapStyle(Qt::SquareCap);
        q.setJoinStyle(Qt::MiterJoin);
        return q;
    }

    QBrush brush(const Brush& brush) const {
        QBrush q(toQColor(brush.color), toQtStyle(brush.style));
        // Hatch patterns are drawn in device pixels; keep their spacing as on a screen.
        if (brush.style != BrushStyle::Solid && dpi_ > 96) {
            q.setTransform(QTransform::fromScale(dpi_ / 96, dpi_ / 96));
        }
        return q;
    }

    QPainter& p_;
    QPointF origin_;
    double dpi_;
};

}  // namespace

void paintPage(QPainter& painter, const Page& page, const PagePlacement& placement,
               bool paintPaper) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (paintPaper) {
        painter.fillRect(QRectF(placement.origin, QSizeF(page.width * placement.dotsPerInch,
                                                         page.height * placement.dotsPerInch)),
                         Qt::white);
    }
    Replay replay(painter, placement);
    for (const DrawOp& op : page.ops)
        std::visit(replay, op);
    painter.restore();
}

}  // namespace reports
