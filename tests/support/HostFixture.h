// A fresh stand-in host for every test, with the add-on loaded.
//
//   class MyTest : public HostFixture {};
//   TEST_F(MyTest, Something) { host().frames.addFrame(); ... }
#ifndef KFA_TESTS_HOST_FIXTURE_H
#define KFA_TESTS_HOST_FIXTURE_H

#include <gtest/gtest.h>

#include "support/Assertions.h"
#include "zorsim/Host.h"

class HostFixture : public ::testing::Test {
protected:
    // Resets the host, calls the add-on's entry point and clears the call log.
    void SetUp() override;
    // Fails the test when the add-on left the lock held or finished it too often.
    void TearDown() override;

    static zorsim::Host& host() { return zorsim::host(); }
    // A host frame of `plotType` on top, current.
    static void addFrame(int plotType);
};

#endif
