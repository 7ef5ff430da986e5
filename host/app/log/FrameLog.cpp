#include "log/FrameLog.h"

#include <locale>
#include <sstream>

namespace zorhost {

const char* FrameLog::heading()
{
    return "frame,event,x,y,z,psi,theta,alpha,width,intensity,backgroundlight,frameaxis,timeanchor,solutiontime";
}

FrameLog::FrameLog(std::ostream& out) : out_(out)
{
    out_ << heading() << '\n';
}

void FrameLog::write(const FrameLogRow& row)
{
    std::ostringstream line;
    line.imbue(std::locale::classic());
    line.precision(10);
    line << rows_ << ',' << row.event;
    for (double value :
         {row.x, row.y, row.z, row.psi, row.theta, row.alpha, row.width, row.intensity, row.backgroundLight})
        line << ',' << value;
    line << ',' << (row.frameAxis ? "true" : "false") << ',' << row.timeAnchor << ',' << row.solutionTime << '\n';
    out_ << line.str();
    ++rows_;
}

}  // namespace zorhost
