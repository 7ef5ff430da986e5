#include "data/DataFileReading.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "data/ReaderProcess.h"
#include "datastream/DataFormats.h"
#include "zorsim/StatusModel.h"

#ifndef __has_feature
#define __has_feature(x) 0
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || __has_feature(address_sanitizer) ||               \
    __has_feature(thread_sanitizer)
#define ZORHOST_SANITIZED 1
#else
#define ZORHOST_SANITIZED 0
#endif

namespace zorhost {

namespace {

using Clock = std::chrono::steady_clock;

// The percent-done line for the time of the reading.
class ReadingLine {
public:
    ReadingLine(zorsim::StatusModel& status, const std::string& text) : status_(status)
    {
        status_.start(text, true, true);
    }
    ~ReadingLine() { status_.finish(); }
    ReadingLine(const ReadingLine&) = delete;
    ReadingLine& operator=(const ReadingLine&) = delete;

    // False when the user asked to cancel.
    bool check(int percent) { return status_.check(percent); }

private:
    zorsim::StatusModel& status_;
};

std::string checkedFile(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return "there is no such file";
    if (std::filesystem::is_directory(status))
        return "it is a folder";
    if (!dataFormatOf(path)) {
        const std::string extension = std::filesystem::path(path).extension().string();
        return extension.empty() ? "its name has no extension that tells its format"
                                 : "zorhost reads no " + extension + " files";
    }
    return "";
}

class Reading {
public:
    Reading(const std::string& path, zorsim::StatusModel& status, const ReaderLimits& limits)
        : line_(status, "Reading " + std::filesystem::path(path).filename().string() + "..."),
          limits_(limits),
          splitter_(limits.maxRecordBytes),
          session_(
              [this](const ZoneSummary& summary, std::string&& payload) { built_.keep(summary, std::move(payload)); }),
          process_(limits.program, path, limits.memoryBytes)
    {
    }

    // The whole reading; returns why it failed, or empty.
    std::string run()
    {
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(limits_.seconds);
        std::string chunk;
        try {
            while (process_.pump(100, chunk)) {
                splitter_.append(chunk.data(), chunk.size());
                chunk.clear();
                while (std::optional<DataRecord> record = splitter_.next())
                    session_.handle(std::move(*record));
                if (!line_.check(session_.percent()))
                    return stop("the reading was cancelled");
                if (Clock::now() > deadline)
                    return stop("the reader took longer than " + std::to_string(limits_.seconds) +
                                " seconds and was stopped");
            }
        } catch (const DataStreamError& error) {
            return stop(unusable(error));
        }
        if (session_.refusal())
            return *session_.refusal();
        if (session_.ended())
            return "";
        // A helper that ended well, yet without all its data, said something
        // else than the data; any other end tells more by itself.
        const ProcessEnd& end = process_.end();
        if (!end.signalled && end.code == 0) {
            try {
                splitter_.finish();
            } catch (const DataStreamError& error) {
                return unusable(error);
            }
        }
        return unfinished();
    }

    std::shared_ptr<const LoadedDataSet> result()
    {
        return std::make_shared<const LoadedDataSet>(session_, std::move(built_));
    }

private:
    static std::string unusable(const DataStreamError& error)
    {
        return std::string("the reader sent data that cannot be used (") + error.what() + ")";
    }

    std::string stop(const std::string& reason)
    {
        process_.kill();
        return reason;
    }

    std::string unfinished() const
    {
        const ProcessEnd& end = process_.end();
        std::string reason = "the reader " + describeEnd(end);
        if (!end.signalled && end.code == 0)
            reason = "the reader ended before it sent all the data";
        else if (!end.signalled && end.code == 127)
            reason = "the reader " + limits_.program + " could not be started";
        const std::string said = process_.lastErrorLine();
        return said.empty() ? reason : reason + " (it said: " + said + ")";
    }

    ReadingLine line_;
    const ReaderLimits& limits_;
    DataStreamSplitter splitter_;
    LoadedDataBuilder built_;
    DataStreamSession session_;
    ReaderProcess process_;
};

}  // namespace

ReaderLimits defaultReaderLimits()
{
    ReaderLimits limits;
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    limits.program = (self.parent_path() / "zorhost-read").string();
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    const std::uint64_t half =
        pages > 0 && pageSize > 0 ? static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize) / 2 : 0;
    limits.memoryBytes = ZORHOST_SANITIZED ? 0 : std::max(half, std::uint64_t{2} << 30);
    return limits;
}

std::shared_ptr<const LoadedDataSet> readDataFile(const std::string& path, zorsim::StatusModel& status,
                                                  const ReaderLimits& limits)
{
    const std::string prefix = "cannot read " + path + ": ";
    const std::string problem = checkedFile(path);
    if (!problem.empty())
        throw DataReadError(prefix + problem);
    try {
        Reading reading(path, status, limits);
        const std::string failure = reading.run();
        if (!failure.empty())
            throw DataReadError(prefix + failure);
        return reading.result();
    } catch (const DataReadError&) {
        throw;
    } catch (const std::exception& error) {
        throw DataReadError(prefix + error.what());
    }
}

}  // namespace zorhost
