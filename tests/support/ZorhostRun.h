// zorhost run as a person runs it: in a folder of its own, with arguments,
// and read by its output, its exit status and the files it leaves.
//
//   class MyTest : public ZorhostFolderTest {};
//   TEST_F(MyTest, ...) { const ProgramRun run = zorhost({writeFile("m.mcr", "$!NEWFRAME\n")}); }
//
// Runs the zorhost built beside the tests (the support library knows where);
// runCommand runs any other command and reads it the same way.
#ifndef KFA_TESTS_ZORHOST_RUN_H
#define KFA_TESTS_ZORHOST_RUN_H

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "support/TempFolder.h"

struct ProgramRun {
    int status = -1;  // The exit status; -1 when a signal ended the program.
    int signal = 0;  // The signal that ended it; 0 when it exited.
    std::string output;  // Both standard streams.
};

// Runs the shell command `command` to its end, both streams read as one.
ProgramRun runCommand(const std::string& command);

struct RunOptions {
    bool terminal = false;  // The standard streams are a terminal, not a pipe.
    // A limit on the size of any file written, in bytes (0: none), which
    // stands in for a full disk: writes beyond it fail.
    long fileSizeLimit = 0;
    // zorhost runs as the foreground job of a shell with job control on the
    // terminal; once it is stopped, a line typed on the terminal (Enter)
    // brings it back into the foreground.
    bool asJob = false;
};

// A zorhost that runs while the test acts on it.
class ZorhostProcess {
public:
    ZorhostProcess(const std::string& folder, const std::vector<std::string>& arguments, const RunOptions& options);
    ~ZorhostProcess();
    ZorhostProcess(const ZorhostProcess&) = delete;
    ZorhostProcess& operator=(const ZorhostProcess&) = delete;

    // Waits until `ready` holds (true) or `seconds` passed (false), reading
    // the output meanwhile.
    bool waitUntil(const std::function<bool()>& ready, int seconds = 20);
    const std::string& output() const { return output_; }
    void signal(int number) const { kill(child_, number); }
    // Keys typed on the terminal (RunOptions::terminal).
    void type(const std::string& keys) const;
    // Whether the terminal echoes what is typed (RunOptions::terminal).
    bool terminalEchoes() const;
    // Waits for the end.
    ProgramRun finish();

private:
    void readOutput();

    pid_t child_ = -1;
    int output_fd_ = -1;
    std::string output_;
};

class ZorhostFolderTest : public ::testing::Test {
protected:
    std::string file(const std::string& name) const { return folder_.path(name); }
    // Writes `text` into the folder's file `name`; returns its full name.
    std::string writeFile(const std::string& name, const std::string& text) const
    {
        return ::writeFile(file(name), text);
    }

    ProgramRun zorhost(const std::vector<std::string>& arguments, const RunOptions& options = {}) const;

    TempFolder folder_;
};

#endif
