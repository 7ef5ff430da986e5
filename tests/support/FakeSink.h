// A movie writer for the host's export that notes a value for every frame
// and fails where the test says; the test removes it from the host
// (setSink(nullptr)) before it goes.
//
//   FakeSink sink;
//   sink.sample = [] { return zorsim::host().view.current().position[0]; };
//   sink.lostFrame = 3;
//   zorsim::host().exports.setSink(&sink);
#ifndef KFA_TESTS_FAKE_SINK_H
#define KFA_TESTS_FAKE_SINK_H

#include <functional>
#include <string>
#include <vector>

#include "zorsim/FrameSink.h"

class FakeSink : public zorsim::FrameSink {
public:
    bool beginMovie(const zorsim::ExportValues&, const std::string&) override { return !failBegin; }
    bool addFrame(int index) override
    {
        frames.push_back(sample ? sample() : index);
        return index != lostFrame;
    }
    bool endMovie() override { return !failEnd; }
    void abandonMovie() override {}

    // The value noted for the frame the host shows now; its index when empty.
    std::function<double()> sample;
    std::vector<double> frames;
    bool failBegin = false;
    int lostFrame = -1;
    bool failEnd = false;
};

#endif
