// The stream from the reading helper to the host: what the helper writes
// reads back the same however the pipe cuts it, and whatever breaks the
// stream's rules is refused before anything is allocated for it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <functional>

#include "datastream/ByteCodec.h"
#include "datastream/StreamSession.h"

using namespace zorhost;

namespace {

ZoneData sampleZone()
{
    ZoneData zone;
    zone.step = 1;
    zone.block = 2;
    zone.points = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0.5f}, {0, 1, 2}};
    zone.triangles = {0, 1, 2, 0, 2, 3};
    zone.lines = {{{0, 1, 2}, {0.0f, 0.5f, 1.0f}}, {{3, 0}, {}}};
    zone.values = {{0, {1, 2, 3, NAN}}, {1, {-4, 8}}};
    return zone;
}

// The helper's stream, as bytes: written through a pipe by the real writer.
std::string streamOf(const std::function<void(DataStreamWriter&)>& write)
{
    int fds[2];
    EXPECT_EQ(0, pipe(fds));
    {
        DataStreamWriter out(fds[1]);
        write(out);
    }
    close(fds[1]);
    std::string bytes;
    char buffer[4096];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, static_cast<std::size_t>(n));
    close(fds[0]);
    return bytes;
}

void declareAndSend(DataStreamWriter& out, const ZoneData& zone)
{
    out.times({0.0, 0.5});
    out.variable(0, VariableKind::Point, "pressure");
    out.variable(1, VariableKind::Cell, "temperature");
    out.zone(zone);
}

// The host's side: the stream fed to a session in pieces of `piece` bytes,
// every zone kept decoded. feed() throws DataStreamError.
struct Receiver {
    void feed(const std::string& bytes, std::size_t piece)
    {
        DataStreamSplitter splitter(1 << 20);
        for (std::size_t at = 0; at < bytes.size(); at += piece) {
            splitter.append(bytes.data() + at, std::min(piece, bytes.size() - at));
            while (std::optional<DataRecord> record = splitter.next())
                session.handle(std::move(*record));
        }
    }

    std::vector<ZoneSummary> summaries;
    std::vector<ZoneData> zones;
    DataStreamSession session{[this](const ZoneSummary& summary, std::string&& payload) {
        summaries.push_back(summary);
        zones.push_back(decodeZone(payload, session.context()));
    }};
};

std::string withZonePayload(const std::function<void(ByteWriter&)>& payload)
{
    return streamOf([&](DataStreamWriter& out) {
               out.times({0.0, 0.5});
               out.variable(0, VariableKind::Point, "pressure");
           }) +
           [&] {
               ByteWriter record;
               record.u32(static_cast<std::uint32_t>(RecordType::Zone));
               ByteWriter body;
               payload(body);
               record.u64(body.bytes().size());
               return record.take() + body.take();
           }();
}

}  // namespace

TEST(DataStreamTest, AZoneReadsBackTheSameInPiecesOfAnySize)
{
    const ZoneData zone = sampleZone();
    const std::string bytes = streamOf([&](DataStreamWriter& out) {
        out.progress(40);
        declareAndSend(out, zone);
        out.end();
    });
    for (std::size_t piece : {std::size_t{1}, std::size_t{7}, bytes.size()}) {
        SCOPED_TRACE(piece);
        Receiver received;
        received.feed(bytes, piece);
        EXPECT_TRUE(received.session.ended());
        EXPECT_EQ(40, received.session.percent());
        EXPECT_EQ((std::vector<double>{0.0, 0.5}), received.session.times());
        ASSERT_EQ(1u, received.zones.size());
        const ZoneData& back = received.zones.front();
        EXPECT_EQ(zone.triangles, back.triangles);
        ASSERT_EQ(2u, back.lines.size());
        EXPECT_EQ(zone.lines[0].times, back.lines[0].times);
        EXPECT_TRUE(back.lines[1].times.empty());
        EXPECT_FLOAT_EQ(2.0f, back.points[3].z);
        EXPECT_TRUE(std::isnan(back.values[0].values[3]));
        // The summary: bounds, and each variable's range without the value
        // that is no number.
        const ZoneSummary& summary = received.summaries.front();
        EXPECT_EQ(2u, summary.block);
        EXPECT_FLOAT_EQ(2.0f, summary.bounds.max.z);
        EXPECT_DOUBLE_EQ(3.0, summary.ranges[0].max);
        EXPECT_DOUBLE_EQ(-4.0, summary.ranges[1].min);
    }
}

TEST(DataStreamTest, WhatBreaksTheRulesIsRefused)
{
    const std::string good = streamOf([](DataStreamWriter&) {});
    auto record = [](RecordType type, const std::string& payload) {
        ByteWriter out;
        out.u32(static_cast<std::uint32_t>(type));
        out.u64(payload.size());
        return out.take() + payload;
    };
    auto u32 = [](std::uint32_t value) {
        ByteWriter out;
        out.u32(value);
        return out.take();
    };
    // A zone of 4 points with one triangle, then what follows it.
    auto zone = [](std::uint32_t step, std::uint32_t index, float x) {
        return [=](ByteWriter& out) {
            out.u32(step);
            out.u32(0);
            out.u32(4);
            for (int i = 0; i < 12; ++i)
                out.f32(i == 0 ? x : 0.0f);
            out.u32(1);
            out.u32s({0, 1, index});
            out.u32(0);
        };
    };
    const struct {
        const char* what;
        std::string bytes;
        const char* refusal;
    } cases[] = {
        {"another program's output", "Hello, world, and more", "does not begin"},
        {"a later version", good.substr(0, 8) + u32(2), "version 2"},
        {"an unknown record", good + u32(99) + std::string(8, '\0'), "unknown type 99"},
        {"a record longer than allowed", good + u32(4) + std::string(7, '\0') + '\x01', "more than the"},
        {"a count beyond the record", good + record(RecordType::Times, u32(1000)), "more than the record holds"},
        {"a variable out of order", good + record(RecordType::Variable, u32(3) + '\0' + u32(0)), "out of order"},
        {"a point index past the points", withZonePayload(zone(0, 4, 0.0f)), "point 4 of a zone of 4"},
        {"a coordinate that is no number", withZonePayload(zone(0, 2, NAN)), "not a finite number"},
        {"a step beyond the times", withZonePayload(zone(2, 2, 0.0f)), "step 2 of 2"},
        {"values of a variable never declared", withZonePayload([&](ByteWriter& out) {
             zone(0, 2, 0.0f)(out);
             out.u32(1);
             out.u32(7);
             out.u32(0);
         }),
         "not declared"},
        {"too few values", withZonePayload([&](ByteWriter& out) {
             zone(0, 2, 0.0f)(out);
             out.u32(1);
             out.u32(0);
             out.u32(1);
             out.f32(1.0f);
         }),
         "1 values for 4 points"},
        {"times after a zone",
         streamOf([](DataStreamWriter& out) { declareAndSend(out, sampleZone()); }) + record(RecordType::Times, u32(0)),
         "after a zone"},
        {"a record after the end", streamOf([](DataStreamWriter& out) { out.end(); }) + record(RecordType::End, ""),
         "after the end"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            Receiver().feed(c.bytes, 5);
            ADD_FAILURE() << "taken";
        } catch (const DataStreamError& error) {
            EXPECT_NE(std::string::npos, std::string(error.what()).find(c.refusal)) << error.what();
        }
    }
}
