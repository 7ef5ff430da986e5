// Questions about the host's data and style that the animation and the
// dialogs ask before they start. The caller holds the add-on lock.
#ifndef KFA_KEYFRAMES_HOST_QUERIES_H
#define KFA_KEYFRAMES_HOST_QUERIES_H

// True when an enabled zone of the data set belongs to a strand (time
// varying data); false without a data set.
bool isDataSetTransient();

// Sets minimum and maximum to the smallest and largest solution time of the
// enabled zones; without enabled zones both keep the caller's values.
void getSolutionTimeRange(double& minimum, double& maximum);

// True when streamtraces show timing markers or dashes.
bool areStreamtraceMarkersOrDashesShown();

#endif
