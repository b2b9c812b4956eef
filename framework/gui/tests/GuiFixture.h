#pragma once

#include <gtest/gtest.h>

#include <string>

#include "framework/Resources.h"
#include "framework/TextForm.h"
#include "framework/gui/Application.h"
#include "platform/gui/Backend.h"
#include "platform/gui/headless/HeadlessBackend.h"

namespace z5t8::framework {

// A fresh headless screen and an initialised application per test.
class GuiTest : public ::testing::Test {
protected:
  void SetUp() override {
    platform::gui::UseHeadlessBackend();
    Application()->Initialize();
  }
  void TearDown() override {
    Application()->ProcessMessages();
    Application()->SetMainForm(nullptr);
    platform::gui::ShutdownWindowSystem();
  }
  // Embeds a layout given in text form under a resource name.
  static void AddLayout(const std::string& name, const std::string& text) {
    static std::vector<std::unique_ptr<std::string>> keep;
    keep.push_back(std::make_unique<std::string>(ObjectTextToBinary(text)));
    RegisterResource(name, reinterpret_cast<const uint8_t*>(keep.back()->data()), keep.back()->size());
  }
};

}  // namespace z5t8::framework
