#include "dataanalysis/view/data_grid.h"

#include "kit/view/course_colours.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

namespace dataanalysis {

namespace {
constexpr qint64 largestFile = 64LL * 1024 * 1024;
}

DataGrid::DataGrid(const QStringList& headings, QWidget* parent)
    : QWidget(parent), model_(new DataTableModel(headings, this)), view_(new QTableView(this)),
      message_(new QLabel(this)) {
    view_->setObjectName("dataTable");
    view_->setModel(model_);
    message_->setObjectName("dataMessage");
    message_->setWordWrap(true);
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(22);
    view_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch); // all columns in sight
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QGridLayout;
    int place = 0;
    const auto button = [&](const QString& text, const char* name, auto slot) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b, place / 2, place % 2);
        ++place;
    };
    button(tr("Open CSV..."), "openButton", &DataGrid::chooseFileToOpen);
    button(tr("Save CSV..."), "saveButton", &DataGrid::chooseFileToSave);
    button(tr("Paste"), "pasteButton", &DataGrid::pasteClipboard);
    button(tr("More rows"), "moreRowsButton", &DataGrid::addRows);
    button(tr("Clear"), "clearButton", &DataGrid::clearAll);
    layout->addLayout(buttons);
    layout->addWidget(view_, 1);
    layout->addWidget(message_);
    auto* paste = new QShortcut(QKeySequence::Paste, view_);
    paste->setContext(Qt::WidgetShortcut);
    connect(paste, &QShortcut::activated, this, &DataGrid::pasteClipboard);
    // A typed cell or a pasted block; whole new contents (setRows) announce themselves.
    connect(model_, &DataTableModel::dataChanged, this, &DataGrid::dataEdited);
}

void DataGrid::setHeadings(const QStringList& headings) {
    model_->setHeadings(headings);
}

void DataGrid::setRows(const std::vector<CsvRow>& rows) {
    model_->setRows(rows, 10);
    emit dataEdited();
}

bool DataGrid::pasteText(const QString& text, int row, int column) {
    const auto parsed = parseCsv(text.toStdString());
    if (!parsed.ok()) {
        showMessage(
            tr("Nothing was pasted: %1.").arg(QString::fromStdString(parsed.error().message)),
            true);
        return false;
    }
    const auto& rows = parsed.value().rows;
    showMessage(tr("%1 rows pasted.").arg(rows.size()), false); // a fault in them says so next
    model_->writeBlock(rows, row, column);
    return true;
}

bool DataGrid::openFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(tr("%1 could not be opened: %2").arg(path, file.errorString()), true);
        return false;
    }
    if (file.size() > largestFile) {
        showMessage(tr("%1 is larger than 64 MB; nothing was read.").arg(path), true);
        return false;
    }
    const auto parsed = parseCsv(file.readAll().toStdString());
    if (!parsed.ok()) {
        showMessage(tr("%1, %2. The data in the grid are unchanged.")
                        .arg(path, QString::fromStdString(parsed.error().message)),
                    true);
        return false;
    }
    const auto numbers =
        numberColumns(parsed.value(), static_cast<std::size_t>(model_->columnCount()));
    if (!numbers.ok()) {
        showMessage(tr("%1, %2. The data in the grid are unchanged.")
                        .arg(path, QString::fromStdString(numbers.error().message)),
                    true);
        return false;
    }
    std::vector<CsvRow> rows = parsed.value().rows;
    if (!numbers.value().headings.empty())
        rows.erase(rows.begin());
    setRows(rows);
    showMessage(tr("%1 rows read from %2.").arg(rows.size()).arg(path), false);
    return true;
}

bool DataGrid::saveFile(const QString& path) {
    std::vector<CsvRow> rows(1);
    for (const QString& heading : model_->headings())
        rows[0].push_back(heading.toStdString());
    for (CsvRow& row : model_->filledRows())
        rows.push_back(std::move(row));
    // Written beside the old file and put in its place only when complete.
    QSaveFile file(path);
    const std::string text = writeCsv(rows);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        showMessage(tr("%1 could not be written: %2").arg(path, file.errorString()), true);
        return false;
    }
    showMessage(tr("%1 rows saved to %2.").arg(rows.size() - 1).arg(path), false);
    return true;
}

void DataGrid::showMessage(const QString& text, bool fault) {
    message_->setText(text);
    const QString style =
        QString("color: %1").arg((fault ? kit::wrongColour() : kit::rightColour()).name());
    if (message_->styleSheet() != style) // a new style sheet restyles the label: only on change
        message_->setStyleSheet(style);
}

void DataGrid::chooseFileToOpen() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Open data"), QString(),
                                                      tr("CSV files (*.csv *.txt)"));
    if (!path.isEmpty())
        openFile(path);
}

void DataGrid::chooseFileToSave() {
    QString path =
        QFileDialog::getSaveFileName(this, tr("Save data"), QString(), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(".csv", Qt::CaseInsensitive))
        path += ".csv";
    saveFile(path);
}

void DataGrid::pasteClipboard() {
    const QModelIndex at = view_->currentIndex();
    pasteText(QApplication::clipboard()->text(), at.isValid() ? at.row() : 0,
              at.isValid() ? at.column() : 0);
}

void DataGrid::addRows() {
    model_->addEmptyRows(20);
}

void DataGrid::clearAll() {
    setRows({});
    showMessage(tr("The grid is empty."), false);
}

} // namespace dataanalysis
