// The frame log: one CSV row for every frame drawn for the user.
//
//   frame,event,x,y,z,psi,theta,alpha,width,intensity,backgroundlight,frameaxis,timeanchor,solutiontime
//
// `frame` counts rows from 0; `event` is redraw (a full redraw), exportstart
// (a movie's first frame) or exportnext (a further movie frame). Numbers
// have up to 10 significant digits.
#ifndef ZORHOST_FRAME_LOG_H
#define ZORHOST_FRAME_LOG_H

#include <ostream>
#include <string>

namespace zorhost {

struct FrameLogRow {
    std::string event;
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double psi = 0.0;
    double theta = 0.0;
    double alpha = 0.0;
    double width = 0.0;
    double intensity = 0.0;
    double backgroundLight = 0.0;
    bool frameAxis = false;
    double timeAnchor = 0.0;
    double solutionTime = 0.0;
};

class FrameLog {
public:
    // Writes the heading line at once. `out` must outlive the log.
    explicit FrameLog(std::ostream& out);

    // Writes `row` numbered with the count of rows before it.
    void write(const FrameLogRow& row);

    static const char* heading();

private:
    std::ostream& out_;
    int rows_ = 0;
};

}  // namespace zorhost

#endif
