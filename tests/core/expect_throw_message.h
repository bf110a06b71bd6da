// EXPECT_THROW that also checks the exception's exact message.
#pragma once

#include <string>

#include <gtest/gtest.h>

#define EXPECT_THROW_MSG(statement, exception_type, message)                              \
    do {                                                                                  \
        try {                                                                             \
            (void)(statement);                                                            \
            ADD_FAILURE() << "expected " #exception_type " \"" << (message)               \
                          << "\" from " #statement;                                       \
        } catch (const exception_type& e) {                                               \
            EXPECT_EQ(std::string(e.what()), std::string(message)) << "from " #statement; \
        } catch (const std::exception& e) {                                               \
            ADD_FAILURE() << "wrong exception type from " #statement ": " << e.what();    \
        }                                                                                 \
    } while (false)
