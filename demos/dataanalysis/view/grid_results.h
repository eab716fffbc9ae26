#pragma once

#include "dataanalysis/view/data_table_model.h"

#include <QString>

#include <functional>

class QTextBrowser;

namespace dataanalysis {

class DataGrid;

// Works a tab's results out of the numbers in its grid. A fault in the numbers, or one met while
// working, is shown under the grid; an empty grid asks for data in `results`; otherwise the grid
// says how many rows it holds (`counted` with %1 for the count, "%1 values.") and `work` is
// given the numbers to fill the results from.
void workOnGridNumbers(DataGrid& grid, QTextBrowser& results, const QString& counted,
                       const std::function<void(const GridNumbers&)>& work);

} // namespace dataanalysis
