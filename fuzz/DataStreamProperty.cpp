#include "fuzz/DataStreamProperty.h"

#include "datastream/StreamSession.h"

using namespace zorhost;

namespace {

bool inside(const Point3& p, const Box& box)
{
    return p.x >= box.min.x && p.x <= box.max.x && p.y >= box.min.y && p.y <= box.max.y && p.z >= box.min.z &&
           p.z <= box.max.z;
}

}  // namespace

std::string dataStreamPropertyViolation(const std::string& bytes)
{
    std::string violation;
    DataStreamSession session([&](const ZoneSummary& summary, std::string&& payload) {
        const ZoneData zone = decodeZone(payload, session.context());
        for (const Point3& p : zone.points)
            if (!inside(p, summary.bounds))
                violation = "a point outside its zone's bounds";
    });
    DataStreamSplitter splitter(1 << 20);
    try {
        // Cut where a pipe might.
        const std::size_t cut = bytes.size() / 3;
        for (const auto& [from, length] : {std::pair{std::size_t{0}, cut}, {cut, bytes.size() - cut}}) {
            splitter.append(bytes.data() + from, length);
            while (std::optional<DataRecord> record = splitter.next())
                session.handle(std::move(*record));
        }
        if (!session.ended() && !session.refusal())
            splitter.finish();
    } catch (const DataStreamError& error) {
        if (std::string(error.what()).empty())
            return "refused without a reason";
    }
    return violation;
}
