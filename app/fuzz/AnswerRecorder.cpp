#include "app/fuzz/AnswerRecorder.h"

#include <algorithm>

namespace z5t8::app::fuzzing {

void PhonePort::Answer(const std::uint8_t* data, std::size_t n) {
  std::vector<std::uint8_t> answer;
  while (n > 0) {
    std::size_t taken = std::min(n, phone_.Wants());
    phone_.Receive(data, taken, answer);
    data += taken;
    n -= taken;
  }
  arrived_.insert(arrived_.end(), answer.begin(), answer.end());
  // Runs of 255 with a length of 255 each, then the last (maybe empty) chunk.
  std::size_t at = 0;
  for (;;) {
    std::size_t length = std::min<std::size_t>(answer.size() - at, 255);
    answers_.push_back(static_cast<std::uint8_t>(length));
    answers_.insert(answers_.end(), answer.begin() + at, answer.begin() + at + length);
    at += length;
    if (length < 255) break;
  }
}

Recorded_Update Record_Update(const std::string& version) {
  phone_sim::Phone_Options options;
  options.version = version;
  PhonePort port(options);
  Recorded_Update recorded;
  recorded.outcome = Run_Update(port);
  recorded.answers = port.Answers();
  recorded.phone_status = port.Phone().Exit_Status();
  return recorded;
}

}  // namespace z5t8::app::fuzzing
