// The update procedure against arbitrary boot-ROM answers: whatever the phone
// answers, the update ends without a crash, a hang or a false success.
#include "app/UpdateProcedure.h"
#include "app/fuzz/AnswerPort.h"

using namespace z5t8;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  app::fuzzing::AnswerPort port(data, size);
  app::fuzzing::Update_Outcome outcome = app::fuzzing::Run_Update(port);
  if (outcome.message == app::Text_Update_Complete && port.bytes_read < app::fuzzing::Least_Answers)
    __builtin_trap();
  return 0;
}
