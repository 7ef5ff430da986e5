// The columns of a dialog. The add-ons place controls in dialog units, and
// edges meant to line up often lie a few pixels apart after scaling; edges
// within a few pixels of each other, in a chain, form one column. A left
// edge moves to its column's leftmost and a right edge to its rightmost, so
// the controls line up and none shrinks.
#ifndef ZORHOST_COLUMN_GRID_H
#define ZORHOST_COLUMN_GRID_H

#include <vector>

namespace zorhost {

class ColumnGrid {
public:
    // Edges further apart than this are separate columns.
    static constexpr int tolerance = 8;

    void addLeft(int x) { lefts_.push_back(x); }
    void addRight(int x) { rights_.push_back(x); }
    // Where a left or right edge at `x` goes.
    int left(int x) const { return snap(lefts_, x, true); }
    int right(int x) const { return snap(rights_, x, false); }

private:
    static int snap(std::vector<int> edges, int x, bool leftmost);

    std::vector<int> lefts_;
    std::vector<int> rights_;
};

}  // namespace zorhost

#endif
