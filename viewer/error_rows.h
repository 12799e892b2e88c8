#pragma once
// Private to the source view: which rows of its grid are compile errors (those with a
// SEQUENCE), for the first-error rule and for F8 / Shift+F8 moving from one error to the next.

class SourceGrid;

namespace velmora::viewer {

// The grid column that holds an error's SEQUENCE.
inline constexpr int kSequenceColumn = 2;

// The row of the error numbered 1; -1 when the unit has no errors.
int firstErrorRow(const SourceGrid &grid);

// The next error row after `from` (forward) or before it (backward), wrapping around at the
// ends; `from` itself when it is the only error row; -1 when there is none. A `from` outside
// the data rows counts as standing before the first row (forward) or after the last.
int nextErrorRow(const SourceGrid &grid, int from, bool forward);

} // namespace velmora::viewer
