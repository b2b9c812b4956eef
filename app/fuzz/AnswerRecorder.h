// The answers a phone gives to a whole update, in the form AnswerPort reads
// them: the boot ROM is the phone simulator's, on a port in memory.
#pragma once

#include "app/fuzz/AnswerPort.h"
#include "tools/phone-sim/PhoneSim.h"

#include <cstdint>
#include <utility>
#include <string>
#include <vector>

namespace z5t8::app::fuzzing {

// A port with the phone simulator on its other end; it keeps the answer to
// every write as AnswerPort's chunks.
class PhonePort : public OnePortSystem {
public:
  explicit PhonePort(phone_sim::Phone_Options options) : phone_(std::move(options)) {}

  const phone_sim::PhoneSim& Phone() const { return phone_; }
  const std::vector<std::uint8_t>& Answers() const { return answers_; }

protected:
  void Answer(const std::uint8_t* data, std::size_t n) override;

private:
  phone_sim::PhoneSim phone_;
  std::vector<std::uint8_t> answers_;
};

struct Recorded_Update {
  std::vector<std::uint8_t> answers;
  Update_Outcome outcome;
  int phone_status = 1;  // the simulator's: 0 when it took the whole image
};

// One update against a phone with this version record.
Recorded_Update Record_Update(const std::string& version);

// The fuzzer's seeds in app/fuzz/corpus, one file per phone variant.
struct Answer_Seed {
  const char* file;
  const char* version;
};
inline constexpr Answer_Seed Answer_Seeds[] = {
    {"retail-update", "Z5T8-QUEX-TW-R104-0-V4_3_0"},
    {"demo-update", "Z5T8-DEMO-EF-R100-1-V1_0_0"},
};

}  // namespace z5t8::app::fuzzing
