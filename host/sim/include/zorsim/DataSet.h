// The data set of one frame: its zones and the current solution time.
#ifndef ZORSIM_DATA_SET_H
#define ZORSIM_DATA_SET_H

#include <vector>

namespace zorsim {

struct Zone {
    // 0 for static data; zones of one strand are one zone at several times.
    int strand = 0;
    double solutionTime = 0.0;
    bool enabled = true;
};

struct DataSet {
    // False until data is loaded into the frame.
    bool loaded = false;
    // Zone number n (counted from 1) is zones[n - 1].
    std::vector<Zone> zones;
    double solutionTime = 0.0;
};

}  // namespace zorsim

#endif
