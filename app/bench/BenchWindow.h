// The main window as the program makes it, for the window benchmarks: on the
// headless screen, or on the system's own window backend where one is installed.
#pragma once

#include "app/MainWindow.h"
#include "app/ProgramStartUp.h"
#include "framework/gui/Application.h"
#include "platform/gui/Backend.h"
#include "platform/gui/headless/HeadlessBackend.h"

namespace z5t8::app::bench {

inline TForm1* Create_Window(bool headless) {
  Program_Start_Up();
  if (headless) platform::gui::UseHeadlessBackend();
  framework::Application()->Initialize();
  TForm1* form = nullptr;
  framework::Application()->CreateForm(form);
  return form;
}

inline void Destroy_Window(TForm1* form) {
  delete form;
  framework::Application()->ProcessMessages();
  framework::Application()->SetMainForm(nullptr);
  platform::gui::ShutdownWindowSystem();
}

}  // namespace z5t8::app::bench
