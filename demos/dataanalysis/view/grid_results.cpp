#include "dataanalysis/view/grid_results.h"

#include "dataanalysis/view/data_grid.h"

#include <QTextBrowser>

#include <exception>

namespace dataanalysis {

void workOnGridNumbers(DataGrid& grid, QTextBrowser& results, const QString& counted,
                       const std::function<void(const GridNumbers&)>& work) {
    try {
        const GridNumbers& table = grid.numbers();
        if (!table.ok()) {
            grid.showMessage(QString::fromStdString(table.error().message), true);
            return;
        }
        const auto& rows = table.value().rows;
        if (rows.empty()) {
            results.setHtml(DataGrid::tr("<p>Type, paste or open some data.</p>"));
            return;
        }
        grid.showMessage(counted.arg(rows.size()), false);
        work(table);
    } catch (const std::exception& error) {
        grid.showMessage(QString::fromUtf8(error.what()), true);
    }
}

} // namespace dataanalysis
