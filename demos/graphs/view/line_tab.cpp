#include "graphs/view/line_tab.h"

#include "graphs/core/line_through.h"
#include "graphs/view/plot_drawing.h"

#include "kit/view/canvas.h"
#include "kit/view/course_colours.h"

#include <QLabel>
#include <QPainter>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace graphs {

namespace {

ExactPoint exactAt(QPointF p) {
    return {mpq_class(p.x()), mpq_class(p.y())}; // halves are exact in binary
}

} // namespace

LineTab::LineTab(QWidget* parent)
    : QWidget(parent), canvas_(new kit::Canvas(this)), facts_(new QTextBrowser(this)) {
    canvas_->setObjectName("linePlot");
    facts_->setObjectName("lineFacts");
    canvas_->setWorldRect(QRectF(-6, -6, 12, 12));
    canvas_->setPointBounds(QRectF(-20, -20, 40, 40));
    canvas_->addPoint("P", QPointF(-2, -1), 0.5, "P", functionColour(1));
    canvas_->addPoint("Q", QPointF(3, 2), 0.5, "Q", functionColour(2));
    canvas_->setPainterCallback(
        [this](QPainter& painter, const kit::CanvasTransform& t) { paint(painter, t); });
    auto* hint = new QLabel(tr("Drag P and Q (or press Space to pick one and move it with the "
                               "arrow keys)."),
                            this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(canvas_, 3);
    layout->addWidget(facts_, 2);
    connect(canvas_, &kit::Canvas::pointMoved, this, &LineTab::refresh);
    refresh();
}

void LineTab::refresh() {
    const auto line =
        lineThrough(exactAt(canvas_->pointPosition("P")), exactAt(canvas_->pointPosition("Q")));
    if (!line) {
        facts_->setHtml(tr("<p>P and Q are the same point: infinitely many lines pass through "
                           "one point, so two different points are needed.</p>"));
        canvas_->update();
        return;
    }
    QString html = "<p><b>" + QString::fromStdString(equationHtml(*line)) + "</b></p><ol>";
    for (const auto& step : line->steps)
        html += "<li>" + QString::fromStdString(step) + "</li>";
    facts_->setHtml(html + "</ol>");
    canvas_->update();
}

void LineTab::paint(QPainter& painter, const kit::CanvasTransform& t) const {
    const QPointF p = canvas_->pointPosition("P"), q = canvas_->pointPosition("Q");
    if (p == q)
        return;
    const QPointF direction = (q - p) * 100.0;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(functionColour(0), 2.2));
    painter.drawLine(t.toPixels(p - direction), t.toPixels(q + direction));
    // The rise and the run as the two legs of a right triangle.
    painter.setPen(QPen(kit::accentColour(), 1.5, Qt::DashLine));
    const QPointF corner(q.x(), p.y());
    painter.drawLine(t.toPixels(p), t.toPixels(corner));
    painter.drawLine(t.toPixels(corner), t.toPixels(q));
    painter.setPen(kit::accentColour().darker(130));
    painter.drawText(t.toPixels((p + corner) / 2) + QPointF(-12, 16), tr("run"));
    painter.drawText(t.toPixels((corner + q) / 2) + QPointF(6, 0), tr("rise"));
    painter.restore();
}

} // namespace graphs
