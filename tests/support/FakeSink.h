// A movie writer for the host's export that notes a value for every frame,
// writes it as a line into the movie, and fails where the test says.
//
//   FakeSink sink;
//   sink.sample = [] { return zorsim::host().view.current().position[0]; };
//   sink.lostFrame = 3;                  // frame 3 does not reach the movie
//   zorsim::host().exports.setSink(&sink);
//
// The test removes it from the host (setSink(nullptr)) before it goes.
#ifndef KFA_TESTS_FAKE_SINK_H
#define KFA_TESTS_FAKE_SINK_H

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "zorsim/FrameSink.h"

class FakeSink : public zorsim::FrameSink {
public:
    bool beginMovie(const zorsim::ExportValues&, const std::string& path) override
    {
        movie.open(path);
        return !failBegin;
    }
    bool addFrame(int index) override
    {
        frames.push_back(sample ? sample() : index);
        movie << frames.back() << '\n';
        return index != lostFrame;
    }
    bool endMovie() override
    {
        movie.close();
        return !failEnd;
    }
    void abandonMovie() override { movie.close(); }

    // The value noted for the frame the host shows now; the frame's index
    // when empty.
    std::function<double()> sample;
    std::vector<double> frames;
    bool failBegin = false;
    // The index of the frame the writer loses; -1 for none.
    int lostFrame = -1;
    bool failEnd = false;

private:
    std::ofstream movie;
};

#endif
