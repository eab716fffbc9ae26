#include "decimals/view/zoom_tab.h"

#include "decimals/core/number_line_zoom.h"
#include "decimals/view/number_line_view.h"

#include "kit/core/number_input.h"
#include "kit/view/course_colours.h"
#include "kit/view/html_text.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace decimals {

using kit::html;

ZoomTab::ZoomTab(QWidget* parent)
    : QWidget(parent), number_(new QComboBox(this)), custom_(new QLineEdit("22/7", this)),
      inButton_(new QPushButton(tr("Zoom &in \u00d710"), this)),
      outButton_(new QPushButton(tr("Zoom &out"), this)), line_(new NumberLineView(this)),
      chain_(new QTextBrowser(this)) {
    number_->setObjectName("zoomNumber");
    inButton_->setObjectName("zoomIn");
    outButton_->setObjectName("zoomOut");
    chain_->setObjectName("zoomChain");
    number_->addItems({"\u221a2", "\u221a3", "\u221a10", "1/7", "2/3", tr("typed fraction:")});
    custom_->setMaxLength(60);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Number:"), this));
    row->addWidget(number_);
    row->addWidget(custom_);
    row->addStretch();
    row->addWidget(outButton_);
    row->addWidget(inButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(line_, 1);
    layout->addWidget(chain_, 2);
    connect(number_, &QComboBox::currentIndexChanged, this, &ZoomTab::chooseNumber);
    connect(custom_, &QLineEdit::textChanged, this, &ZoomTab::chooseNumber);
    connect(inButton_, &QPushButton::clicked, this, &ZoomTab::zoomIn);
    connect(outButton_, &QPushButton::clicked, this, &ZoomTab::zoomOut);
    chooseNumber();
}

void ZoomTab::zoomIn() {
    level_ = std::min(level_ + 1, deepestLevel);
    refresh();
}

void ZoomTab::zoomOut() {
    level_ = std::max(level_ - 1, 0);
    refresh();
}

void ZoomTab::chooseNumber() {
    static const long radicands[] = {2, 3, 10};
    const int index = number_->currentIndex();
    custom_->setEnabled(index == 5);
    radicand_.reset();
    if (index >= 0 && index < 3) {
        radicand_ = radicands[index];
        name_ = number_->currentText();
    } else if (index == 3 || index == 4) {
        rational_ = index == 3 ? mpq_class(1, 7) : mpq_class(2, 3);
        name_ = number_->currentText();
    } else {
        const auto parsed = kit::parseRational(custom_->text().toStdString());
        const bool usable = parsed.ok() && abs(parsed.value()) < 1000000;
        rational_ = usable ? parsed.value() : mpq_class(0);
        name_ = usable ? custom_->text().trimmed() : tr("(type a fraction below a million)");
    }
    level_ = 0;
    refresh();
}

void ZoomTab::refresh() {
    // Three levels beyond the shown one place the number inside the window.
    const int finer = level_ + 3;
    const std::vector<Interval> windows =
        radicand_ ? squareRootZoom(*radicand_, finer) : decimalZoom(rational_, finer);
    const Interval& window = windows[static_cast<std::size_t>(level_)];
    const mpq_class position = (windows.back().low - window.low) / (window.high - window.low);
    line_->setWindow(window, position.get_d(), level_, name_);
    inButton_->setEnabled(level_ < deepestLevel);
    outButton_->setEnabled(level_ > 0);

    QString text = tr("<p><b>Level %1:</b> the window has length 10<sup>&minus;%1</sup>. Each "
                      "zoom keeps the one tenth that holds %2.</p><p>Nested intervals:</p><ul>")
                       .arg(level_)
                       .arg(name_);
    for (int k = 0; k <= level_; ++k) {
        const Interval& nested = windows[static_cast<std::size_t>(k)];
        text += QString("<li>[%1, %2]</li>")
                    .arg(html(truncatedDecimal(abs(nested.low), k)),
                         html(truncatedDecimal(abs(nested.high), k)));
    }
    text += tr("</ul><p>The left ends form a set that is bounded above; its <b>least upper "
               "bound</b> is %1 itself. For &radic;2 this bound is not a fraction: the "
               "rationals have a gap there, and the real numbers fill it.</p>")
                .arg(name_);
    if (sgn(rational_) < 0 && !radicand_)
        text += tr("<p>(Ends of negative numbers are shown by their size.)</p>");
    chain_->setHtml(text);
}

} // namespace decimals
