// A fresh stand-in host for every test, with the add-on loaded afresh.
//
//   class MyTest : public HostFixture {};
//   TEST_F(MyTest, Something) { host().frames.addFrame(); ... }
//
// Every case starts as if the host had just started and loaded the add-on:
// the add-on's process-wide objects (its dialogs, export settings) of the
// case before are gone, so the cases of a program pass in any order.
//
// The host's logs of every call and every status line percent stay off
// unless the fixture asks for them:
//
//   class MyTest : public HostFixture {
//   protected:
//       MyTest() : HostFixture(HostLogging::On) {}
//   };
#ifndef KFA_TESTS_HOST_FIXTURE_H
#define KFA_TESTS_HOST_FIXTURE_H

#include <gtest/gtest.h>

#include "support/Assertions.h"
#include "zorsim/Host.h"

enum class HostLogging { Off, On };

class HostFixture : public ::testing::Test {
protected:
    explicit HostFixture(HostLogging logging = HostLogging::Off) : logging_(logging) {}

    // Starts over with a fresh host, calls the add-on's entry point and
    // clears the call log.
    void SetUp() override;
    // Fails the test when the add-on left the lock held or finished it too
    // often, then discards the add-on's process-wide objects while the host
    // they talk to is still there.
    void TearDown() override;

    static zorsim::Host& host() { return zorsim::host(); }
    // A host frame of `plotType` on top, current.
    static void addFrame(int plotType);
    // Discards the add-on's process-wide objects and replaces the host by a
    // fresh one with the fixture's logging, into which the add-on is not
    // loaded yet.
    void freshHost() const;

private:
    HostLogging logging_;
};

#endif
