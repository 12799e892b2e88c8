#include "viewer/error_rows.h"

#include "viewer/sourcegrid.h"

namespace velmora::viewer {

namespace {

bool isErrorRow(const SourceGrid &grid, int row) {
    return !grid.cell(kSequenceColumn, row).isEmpty();
}

} // namespace

int firstErrorRow(const SourceGrid &grid) {
    for (int row = 1; row < grid.rowCount(); ++row) {
        if (grid.cell(kSequenceColumn, row) == "1")
            return row;
    }
    return -1;
}

int nextErrorRow(const SourceGrid &grid, int from, bool forward) {
    const int rows = grid.rowCount() - 1; // data rows 1..rows
    if (rows < 1)
        return -1;
    if (from < 1 || from > rows)
        from = forward ? 0 : rows + 1;
    const int step = forward ? 1 : -1;
    int row = from;
    for (int visited = 0; visited < rows; ++visited) {
        row += step;
        if (row > rows)
            row = 1;
        else if (row < 1)
            row = rows;
        if (isErrorRow(grid, row))
            return row;
    }
    return -1;
}

} // namespace velmora::viewer
