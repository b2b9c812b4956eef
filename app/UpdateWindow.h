// What the update procedure and the image check need of the window that runs
// them. The main window implements it over its memo, button, bar and message
// boxes; the command-line flasher over standard output.
#pragma once

#include "link/ProgressBar.h"

#include <string>

namespace z5t8::app {

class UpdateWindow {
public:
  virtual ~UpdateWindow() = default;

  // The message log: empty it; append the text and a line break (CR LF).
  virtual void Clean_Memo() = 0;
  virtual void Print_Str_to_Memo(const std::string& text) = 0;
  virtual void Enable_Download_Button(bool enabled) = 0;
  // A modal box with an OK button; returns when the user has closed it.
  virtual void Show_Message(const std::string& text) = 0;
  // The bar long serial steps advance (null: none).
  virtual link::ProgressBar* Progress_Bar() = 0;
  // Lets pending window messages run.
  virtual void Process_Messages() = 0;
  // Ends the process with the exit code. The window never returns from it;
  // when a stand-in for tests does, the procedure stops where it is.
  virtual void End_Process(int code) = 0;
};

}  // namespace z5t8::app
