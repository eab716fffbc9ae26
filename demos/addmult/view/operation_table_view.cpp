#include "addmult/view/operation_table_view.h"

#include "kit/view/course_colours.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace addmult {

QColor valueColour(int value, int count) {
    if (value == 0)
        return Qt::white; // element 0 is the zero of every ring built here: zeros stand out
    const int hue = count > 0 ? (value * 300 / std::max(1, count - 1)) % 360 : 0;
    return QColor::fromHsv(hue, 90, 250);
}

OperationTableView::OperationTableView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void OperationTableView::setRing(const FiniteRing& ring, Operation operation) {
    ring_ = ring;
    operation_ = operation;
    marked_.clear();
    update();
}

void OperationTableView::setMarked(std::set<int> elements) {
    marked_ = std::move(elements);
    update();
}

const std::vector<std::vector<int>>& OperationTableView::table() const {
    return operation_ == Operation::Addition ? ring_.add : ring_.mul;
}

int OperationTableView::entry(int a, int b) const {
    return table()[a][b];
}

QString OperationTableView::cellSentence(int a, int b) const {
    const auto& n = ring_.elements;
    const char* sign = operation_ == Operation::Addition ? " + " : " \u00b7 ";
    return QString::fromStdString(n[a] + sign + n[b] + " = " + n[entry(a, b)] + " in " +
                                  ring_.name);
}

QSize OperationTableView::sizeHint() const {
    return {460, 460};
}

QSize OperationTableView::minimumSizeHint() const {
    return {200, 200};
}

double OperationTableView::cellSize() const {
    const int k = ring_.size() + 1;
    return std::min(width(), height()) / static_cast<double>(std::max(k, 2));
}

QColor OperationTableView::colourOf(int value) const {
    return valueColour(value, ring_.size());
}

void OperationTableView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kit::panelColour());
    const int k = ring_.size();
    if (k == 0)
        return;
    const double s = cellSize();
    // The largest font (up to 55% of a cell) in which the longest name fits in a cell.
    QString longest;
    for (const auto& name : ring_.elements)
        if (name.size() > static_cast<std::size_t>(longest.size()))
            longest = QString::fromStdString(name);
    QFont font = painter.font();
    int pixels = std::max(6, static_cast<int>(s * 0.55));
    for (font.setPixelSize(pixels);
         pixels > 6 && QFontMetricsF(font).horizontalAdvance(longest) > s * 0.88;
         font.setPixelSize(--pixels)) {
    }
    painter.setFont(font);
    const auto cell = [s](int row, int column) { return QRectF(column * s, row * s, s, s); };
    // Header row and column, the operation sign in the corner.
    painter.fillRect(cell(0, 0), kit::pageColour());
    painter.setPen(Qt::white);
    painter.drawText(cell(0, 0), Qt::AlignCenter,
                     operation_ == Operation::Addition ? "+" : "\u00b7");
    for (int a = 0; a < k; ++a) {
        const QString name = QString::fromStdString(ring_.elements[a]);
        for (const QRectF& r : {cell(0, a + 1), cell(a + 1, 0)}) {
            painter.fillRect(r, marked_.count(a) ? kit::accentColour() : QColor(190, 186, 178));
            painter.setPen(marked_.count(a) ? Qt::white : Qt::black);
            painter.drawText(r, Qt::AlignCenter, name);
        }
    }
    for (int a = 0; a < k; ++a)
        for (int b = 0; b < k; ++b) {
            const QRectF r = cell(a + 1, b + 1);
            const int v = entry(a, b);
            painter.fillRect(r, colourOf(v));
            painter.setPen(Qt::black);
            painter.drawText(r, Qt::AlignCenter, QString::fromStdString(ring_.elements[v]));
        }
    painter.setPen(QColor(120, 120, 120));
    for (int i = 0; i <= k + 1; ++i) {
        painter.drawLine(QPointF(0, i * s), QPointF((k + 1) * s, i * s));
        painter.drawLine(QPointF(i * s, 0), QPointF(i * s, (k + 1) * s));
    }
}

bool OperationTableView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const double s = cellSize();
    const int row = static_cast<int>(help->pos().y() / s) - 1;
    const int column = static_cast<int>(help->pos().x() / s) - 1;
    if (row >= 0 && column >= 0 && row < ring_.size() && column < ring_.size())
        QToolTip::showText(help->globalPos(), cellSentence(row, column), this);
    else
        QToolTip::hideText();
    return true;
}

} // namespace addmult
