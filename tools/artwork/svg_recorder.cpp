#include "svg_recorder.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace {

QString number(qreal v) { return QString::number(v, 'g', 6); }

QString colour(const QColor& c) { return c.name(QColor::HexRgb); }

QString pathData(const QPainterPath& path) {
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            d += QStringLiteral("M%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isLineTo()) {
            d += QStringLiteral("L%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isCurveTo()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1), end = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                     .arg(number(e.x), number(e.y), number(c2.x), number(c2.y), number(end.x), number(end.y));
            i += 2;
        }
    }
    return d;
}

class SvgEngine : public QPaintEngine {
public:
    SvgEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    QString body;
    QString definitions;

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    void updateState(const QPaintEngineState& state) override {
        if (state.state() & DirtyPen) pen_ = state.pen();
        if (state.state() & DirtyBrush) brush_ = state.brush();
        if (state.state() & DirtyTransform) transform_ = state.transform();
    }

    void drawPath(const QPainterPath& path) override { shape(path, true); }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            QPainterPath p;
            p.addRect(rects[i]);
            shape(p, true);
        }
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            QPainterPath p(lines[i].p1());
            p.lineTo(lines[i].p2());
            shape(p, false);
        }
    }
    void drawEllipse(const QRectF& r) override {
        QPainterPath p;
        p.addEllipse(r);
        shape(p, true);
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        QPainterPath p(points[0]);
        for (int i = 1; i < count; ++i) p.lineTo(points[i]);
        if (mode != PolylineMode) p.closeSubpath();
        shape(p, mode != PolylineMode);
    }

private:
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
    int gradients_ = 0;

    QString fill() {
        const QGradient* g = brush_.gradient();
        if (g != nullptr && g->type() == QGradient::LinearGradient) return gradient(*static_cast<const QLinearGradient*>(g));
        if (brush_.style() != Qt::SolidPattern) return QStringLiteral("fill=\"none\"");
        return QStringLiteral("fill=\"%1\" fill-opacity=\"%2\"").arg(colour(brush_.color()), number(brush_.color().alphaF()));
    }

    QString gradient(const QLinearGradient& g) {
        const QString id = QStringLiteral("g%1").arg(++gradients_);
        const QPointF a = transform_.map(g.start()), b = transform_.map(g.finalStop());
        definitions += QStringLiteral("<linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">")
                           .arg(id, number(a.x()), number(a.y()), number(b.x()), number(b.y()));
        for (const auto& [at, c] : g.stops())
            definitions += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"/>").arg(number(at), colour(c));
        definitions += QStringLiteral("</linearGradient>\n");
        return QStringLiteral("fill=\"url(#%1)\"").arg(id);
    }

    QString stroke() const {
        if (pen_.style() == Qt::NoPen) return QStringLiteral("stroke=\"none\"");
        const char* cap = pen_.capStyle() == Qt::RoundCap ? "round" : pen_.capStyle() == Qt::SquareCap ? "square" : "butt";
        const char* join = pen_.joinStyle() == Qt::RoundJoin ? "round" : pen_.joinStyle() == Qt::BevelJoin ? "bevel" : "miter";
        return QStringLiteral("stroke=\"%1\" stroke-opacity=\"%2\" stroke-width=\"%3\" stroke-linecap=\"%4\" stroke-linejoin=\"%5\"")
            .arg(colour(pen_.color()), number(pen_.color().alphaF()), number(pen_.widthF()), cap, join);
    }

    void shape(const QPainterPath& path, bool filled) {
        const QString paint = filled ? fill() : QStringLiteral("fill=\"none\"");
        body += QStringLiteral("<path d=\"%1\" %2 %3/>\n").arg(pathData(transform_.map(path)), paint, stroke());
    }
};

}  // namespace

SvgRecorder::SvgRecorder(int width, int height) : width_(width), height_(height), engine_(std::make_unique<SvgEngine>()) {}

SvgRecorder::~SvgRecorder() = default;

QPaintEngine* SvgRecorder::paintEngine() const { return engine_.get(); }

QString SvgRecorder::document() const {
    const auto* e = static_cast<const SvgEngine*>(engine_.get());
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\">\n"
                          "<defs>\n%3</defs>\n%4</svg>\n")
        .arg(QString::number(width_), QString::number(height_), e->definitions, e->body);
}

int SvgRecorder::metric(PaintDeviceMetric metric) const {
    switch (metric) {
    case PdmWidth: return width_;
    case PdmHeight: return height_;
    case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return 96;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    case PdmDepth: return 32;
    case PdmNumColors: return 0;
    default: return 0;
    }
}
