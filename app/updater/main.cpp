// z5t8-updater: the firmware updater's window. No options: the image file is
// the fixed one in the working folder, and everything else is in the window's
// stored layout.
#include "app/MainWindow.h"
#include "app/ProgramStartUp.h"
#include "framework/gui/Application.h"

#include <exception>

int main() {
  using namespace z5t8;
  app::Program_Start_Up();
  try {
    framework::Application()->Initialize();
    // Like a program's default title, its own name; message boxes carry it.
    framework::Application()->SetTitle(u"z5t8-updater");
    app::TForm1* form = nullptr;
    framework::Application()->CreateForm(form);
    framework::Application()->Run();
  } catch (const std::exception& e) {
    framework::Application()->ShowException(e);
  }
  return 0;
}
