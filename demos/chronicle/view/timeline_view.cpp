#include "chronicle/view/timeline_view.h"

#include "chronicle/view/subject_colours.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <cmath>

namespace chronicle {
namespace {

constexpr double axisHeight = 30;
constexpr double rowHeight = 22;
constexpr double barHeight = 10;
constexpr double flourishedSpan = 40; // years drawn for a person known only by flourishing
constexpr double minYearsPerPixel = 0.02;
constexpr double maxYearsPerPixel = 20;
constexpr double clickSlack = 4;
constexpr double eraRowHeight = 16;

QString axisLabel(double year) {
    const long rounded = std::lround(year);
    if (rounded < 0)
        return QString("%1 BCE").arg(-rounded);
    return rounded == 0 ? QString("1 BCE | 1") : QString::number(rounded);
}

constexpr double latestAxisYear = 2100;

double tickStep(double yearsPerPixel) {
    for (double step : {1.0, 2.0, 5.0, 10.0, 20.0, 25.0, 50.0, 100.0, 200.0, 250.0, 500.0, 1000.0})
        if (step / yearsPerPixel >= 90)
            return step;
    return 1000;
}

} // namespace

TimelineView::TimelineView(const Chronicle& chronicle, QWidget* parent)
    : QWidget(parent), chronicle_(chronicle), shown_(chronicle.entries.size(), true) {
    setObjectName("timeline");
    setMouseTracking(false);
    setMinimumSize(360, 220);
    setFocusPolicy(Qt::StrongFocus);
}

void TimelineView::setShown(std::vector<bool> shown) {
    shown_ = std::move(shown);
    shown_.resize(chronicle_.entries.size(), false);
    rowOffset_ = 0;
    // Until the learner zooms or moves, what the filters leave is fitted into view.
    if (!moved_)
        showAll();
    update();
}

void TimelineView::select(std::optional<std::size_t> entry) {
    selected_ = entry;
    update();
}

void TimelineView::showAll() {
    double first = 0, last = 0;
    bool any = false;
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        if (!shown_[i])
            continue;
        const Entry& entry = chronicle_.entries[i];
        const double begin = placingYear(entry);
        const double end = entry.flourished ? begin + flourishedSpan : endingYear(entry);
        first = any ? std::min(first, begin) : begin;
        last = any ? std::max(last, end) : end;
        any = true;
    }
    if (!any) {
        first = -3000;
        last = 2000;
    }
    // Room on the right for the last names.
    const double usable = std::max(100.0, width() - 200.0);
    yearsPerPixel_ = std::clamp((last - first + 10) / usable, minYearsPerPixel, maxYearsPerPixel);
    leftYear_ = first - 20 * yearsPerPixel_;
    rowOffset_ = 0;
    fitted_ = true;
    moved_ = false;
    update();
}

void TimelineView::centreOn(std::size_t entry) {
    const Entry& e = chronicle_.entries.at(entry);
    const double middle = (placingYear(e) + endingYear(e)) / 2.0;
    leftYear_ = middle - width() / 2.0 * yearsPerPixel_;
    const auto centre = markCentre(entry);
    if (centre && (centre->y() < axisHeight || centre->y() > marksBottom() - rowHeight))
        rowOffset_ += centre->y() - height() / 2.0;
    rowOffset_ = std::max(0.0, rowOffset_);
    moved_ = true;
    update();
}

void TimelineView::zoomBy(double factor, double x) {
    moved_ = true;
    const double anchor = yearAt(x);
    yearsPerPixel_ = std::clamp(yearsPerPixel_ / factor, minYearsPerPixel, maxYearsPerPixel);
    leftYear_ = anchor - x * yearsPerPixel_;
    update();
}

double TimelineView::yearAt(double x) const {
    return leftYear_ + x * yearsPerPixel_;
}

double TimelineView::xOf(double year) const {
    return (year - leftYear_) / yearsPerPixel_;
}

std::vector<TimelineView::Mark> TimelineView::layoutMarks() const {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < shown_.size(); ++i)
        if (shown_[i])
            order.push_back(i);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return placingYear(chronicle_.entries[a]) < placingYear(chronicle_.entries[b]);
    });
    const QFontMetricsF metrics(font());
    std::vector<double> rowEnds;
    std::vector<Mark> marks;
    for (std::size_t index : order) {
        const Entry& entry = chronicle_.entries[index];
        const double x0 = xOf(placingYear(entry));
        double x1 = x0;
        if (entry.kind == EntryKind::person)
            x1 = entry.flourished ? xOf(placingYear(entry) + flourishedSpan)
                                  : xOf(endingYear(entry));
        const bool point = entry.kind != EntryKind::person;
        const double left = point ? x0 - barHeight / 2 : x0;
        const double right = point ? x0 + barHeight / 2 : std::max(x1, x0 + 3);
        const QString name = QString::fromStdString(entry.name);
        const double textWidth = metrics.horizontalAdvance(name);
        const double end = right + 4 + textWidth + 8;
        std::size_t row = 0;
        while (row < rowEnds.size() && rowEnds[row] > left)
            ++row;
        if (row == rowEnds.size())
            rowEnds.push_back(end);
        else
            rowEnds[row] = end;
        const double top = axisHeight + 6 + static_cast<double>(row) * rowHeight - rowOffset_;
        const QRectF bar(left, top + (rowHeight - barHeight) / 2 - 2, right - left, barHeight);
        const QRectF label(right + 4, top, textWidth, rowHeight - 4);
        marks.push_back({index, bar, label});
    }
    return marks;
}

double TimelineView::marksBottom() const {
    return height() - 2 * eraRowHeight;
}

std::optional<QRectF> TimelineView::eraBand(std::size_t era) const {
    if (era >= chronicle_.eras.size())
        return std::nullopt;
    const Era& e = chronicle_.eras[era];
    const double top = marksBottom() + static_cast<double>(era % 2) * eraRowHeight;
    return QRectF(QPointF(xOf(e.from), top), QPointF(xOf(e.to), top + eraRowHeight));
}

std::optional<std::size_t> TimelineView::eraAt(QPointF point) const {
    for (std::size_t era = 0; era < chronicle_.eras.size(); ++era)
        if (eraBand(era)->contains(point))
            return era;
    return std::nullopt;
}

std::optional<std::size_t> TimelineView::entryAt(QPointF point) const {
    if (point.y() >= marksBottom())
        return std::nullopt;
    const auto marks = layoutMarks();
    for (auto it = marks.rbegin(); it != marks.rend(); ++it) {
        const QRectF area = it->bar.united(it->label).adjusted(-clickSlack, -clickSlack / 2,
                                                               clickSlack, clickSlack / 2);
        if (point.y() >= axisHeight && area.contains(point))
            return it->entry;
    }
    return std::nullopt;
}

std::optional<QPointF> TimelineView::markCentre(std::size_t entry) const {
    for (const Mark& mark : layoutMarks())
        if (mark.entry == entry)
            return mark.label.center();
    return std::nullopt;
}

std::optional<QRectF> TimelineView::markArea(std::size_t entry) const {
    for (const Mark& mark : layoutMarks())
        if (mark.entry == entry)
            return mark.bar.united(mark.label);
    return std::nullopt;
}

void TimelineView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.save();
    painter.setClipRect(QRectF(0, axisHeight, width(), marksBottom() - axisHeight));
    for (const Mark& mark : layoutMarks())
        drawMark(painter, mark);
    painter.restore();
    drawEras(painter);
    drawAxis(painter);
}

void TimelineView::drawAxis(QPainter& painter) const {
    painter.fillRect(QRectF(0, 0, width(), axisHeight), QColor(236, 233, 226));
    painter.setPen(QColor(120, 120, 120));
    painter.drawLine(QPointF(0, axisHeight), QPointF(width(), axisHeight));
    const double step = tickStep(yearsPerPixel_);
    double year = std::floor(yearAt(0) / step) * step;
    // The years to come have no history yet: the axis ends with the present century, and the
    // room kept on the right for the last names stays blank.
    for (; xOf(year) < width() && year <= latestAxisYear; year += step) {
        const double x = xOf(year);
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(QPointF(x, axisHeight), QPointF(x, height()));
        painter.setPen(QColor(60, 60, 60));
        painter.drawLine(QPointF(x, axisHeight - 6), QPointF(x, axisHeight));
        painter.drawText(QRectF(x + 3, 2, 120, axisHeight - 8), Qt::AlignLeft | Qt::AlignVCenter,
                         axisLabel(year));
    }
}

void TimelineView::drawEras(QPainter& painter) const {
    painter.fillRect(QRectF(0, marksBottom(), width(), 2 * eraRowHeight), QColor(236, 233, 226));
    for (std::size_t era = 0; era < chronicle_.eras.size(); ++era) {
        const QRectF band = *eraBand(era);
        painter.setPen(QColor(150, 150, 150));
        painter.setBrush(era % 2 ? QColor(214, 226, 240) : QColor(232, 222, 204));
        painter.drawRect(band.adjusted(0, 1, 0, -1));
        painter.setPen(QColor(40, 40, 40));
        painter.drawText(band.adjusted(4, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::fromStdString(chronicle_.eras[era].title));
    }
}

void TimelineView::drawMark(QPainter& painter, const Mark& mark) const {
    const Entry& entry = chronicle_.entries[mark.entry];
    const QColor colour = subjectColour(entry.subjects.front());
    const bool chosen = selected_ == mark.entry;
    if (chosen)
        painter.fillRect(mark.bar.united(mark.label).adjusted(-3, -2, 3, 2), QColor(255, 240, 170));
    painter.setPen(QPen(colour.darker(130), chosen ? 2 : 1));
    painter.setBrush(colour);
    if (entry.kind == EntryKind::person) {
        if (entry.flourished)
            painter.setBrush(colour.lighter(160));
        painter.drawRoundedRect(mark.bar, 3, 3);
    } else {
        const QPointF c = mark.bar.center();
        const double r = mark.bar.height() / 2 + 1;
        QPainterPath diamond;
        diamond.moveTo(c.x(), c.y() - r);
        diamond.lineTo(c.x() + r, c.y());
        diamond.lineTo(c.x(), c.y() + r);
        diamond.lineTo(c.x() - r, c.y());
        diamond.closeSubpath();
        painter.drawPath(diamond);
    }
    // The chosen entry keeps the same font, so that its name keeps the width laid out for it.
    painter.setPen(chosen ? Qt::black : QColor(30, 30, 30));
    painter.drawText(mark.label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                     QString::fromStdString(entry.name));
}

void TimelineView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0)
        zoomBy(std::pow(1.25, notches), event->position().x());
    event->accept();
}

void TimelineView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    pressAt_ = lastDrag_ = event->position();
    dragging_ = false;
}

void TimelineView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPointF now = event->position();
    if ((now - pressAt_).manhattanLength() > clickSlack)
        dragging_ = true;
    if (!dragging_)
        return;
    leftYear_ -= (now.x() - lastDrag_.x()) * yearsPerPixel_;
    rowOffset_ = std::max(0.0, rowOffset_ - (now.y() - lastDrag_.y()));
    lastDrag_ = now;
    moved_ = true;
    setCursor(Qt::ClosedHandCursor);
    update();
}

void TimelineView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    unsetCursor();
    if (dragging_) {
        dragging_ = false;
        return;
    }
    if (const auto entry = entryAt(event->position())) {
        select(entry);
        emit entryClicked(*entry);
    } else if (const auto era = eraAt(event->position())) {
        emit eraClicked(*era);
    }
}

void TimelineView::keyPressEvent(QKeyEvent* event) {
    const double step = width() / 8.0 * yearsPerPixel_;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomBy(1.25, width() / 2.0);
        break;
    case Qt::Key_Minus:
        zoomBy(1 / 1.25, width() / 2.0);
        break;
    case Qt::Key_Left:
        leftYear_ -= step;
        moved_ = true;
        break;
    case Qt::Key_Right:
        leftYear_ += step;
        moved_ = true;
        break;
    case Qt::Key_Up:
        rowOffset_ = std::max(0.0, rowOffset_ - rowHeight * 3);
        break;
    case Qt::Key_Down:
        rowOffset_ += rowHeight * 3;
        break;
    case Qt::Key_Home:
        showAll();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    update();
}

bool TimelineView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    if (const auto entry = entryAt(help->pos())) {
        const Entry& e = chronicle_.entries[*entry];
        QToolTip::showText(help->globalPos(),
                           QString::fromStdString(e.name + "\n" + datesText(e) + ", " + e.place),
                           this);
    } else if (const auto era = eraAt(help->pos())) {
        const Era& e = chronicle_.eras[*era];
        QToolTip::showText(help->globalPos(),
                           QString::fromStdString(e.title + "\n" + yearText({e.from, false}) +
                                                  " to " + yearText({e.to, false})) +
                               tr("\nClick to show this era"),
                           this);
    } else {
        QToolTip::showText(help->globalPos(),
                           tr("Wheel: zoom. Drag: travel through the centuries. Click an entry "
                              "to read it."),
                           this);
    }
    return true;
}

void TimelineView::resizeEvent(QResizeEvent*) {
    // Until the learner zooms or moves, the timeline keeps every shown entry in view.
    if ((!fitted_ || !moved_) && width() > 0)
        showAll();
}

} // namespace chronicle
