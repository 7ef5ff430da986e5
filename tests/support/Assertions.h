// Assertions the suite uses often.
#ifndef KFA_TESTS_ASSERTIONS_H
#define KFA_TESTS_ASSERTIONS_H

#include <gtest/gtest.h>

#include <string>

// Expects `statement` to throw `ExceptionType` whose what() is exactly `message`.
#define EXPECT_THROW_MSG(statement, ExceptionType, message)                                                            \
    do {                                                                                                               \
        bool kfaThrown = false;                                                                                        \
        try {                                                                                                          \
            statement;                                                                                                 \
        } catch (const ExceptionType& kfaError) {                                                                      \
            kfaThrown = true;                                                                                          \
            EXPECT_EQ(std::string(message), std::string(kfaError.what()));                                             \
        }                                                                                                              \
        EXPECT_TRUE(kfaThrown) << "expected " #statement " to throw " #ExceptionType;                                  \
    } while (false)

#endif
