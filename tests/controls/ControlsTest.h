// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Message.h"

// Every control test: one offscreen application, and the messages shown recorded.
class ControlsTest : public ::testing::Test {
  protected:
    ControlsTest();
    void SetUp() override;
    void TearDown() override;

    std::vector<std::string> messages_;

  private:
    MessageHandler previous_;
};
