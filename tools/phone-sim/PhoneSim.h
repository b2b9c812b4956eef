// The boot ROM's side of the protocol, without time or I/O: bytes from the
// host go in, answer bytes come out. Faults make it misbehave on purpose.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace z5t8::phone_sim {

enum class Stage { Sync, Echo, Handshake, Version, Erase, Block, Checksum, Write, Finish };
enum class Fault_Kind { Silent, Wrong, Flood, Hangup };

// Misbehave at the nth occurrence of a stage. Silent: answer nothing from then
// on. Wrong: answer that once with a wrong byte, then go on. Flood: send 0x55
// without end. Hangup: close the line.
struct Fault {
  Stage stage;
  Fault_Kind kind;
  std::uint32_t occurrence = 1;
};

struct Phone_Options {
  std::string version = "Z5T8-QUEX-TW-R104-0-V4_3_0";
  std::optional<std::uint8_t> national;  // answers reads (and takes writes) as single bytes
  std::vector<std::uint8_t> erase_percentages = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
  std::vector<Fault> faults;
};

// "retail", "retail100", "demo" or "foreign"; nothing for another name.
std::optional<std::string> Variant_Version(const std::string& variant);
std::optional<Fault> Parse_Fault(const std::string& text);  // STAGE:KIND[:N]

inline constexpr std::uint32_t Image_Capacity = 16777216;
inline constexpr std::uint32_t Block_Size = 4000;

class PhoneSim {
public:
  explicit PhoneSim(Phone_Options options);

  // How many bytes it takes before it may answer (at least 1).
  std::size_t Wants() const;
  // Takes at most Wants() bytes; appends what it answers.
  void Receive(const std::uint8_t* data, std::size_t n, std::vector<std::uint8_t>& answer);

  bool Flooding() const { return flooding_; }
  bool Hung_Up() const { return hung_up_; }
  bool Finished() const { return finished_; }
  // The image with its checksum has arrived (whether the checksum matched).
  bool Image_Complete() const { return image_complete_; }
  const std::vector<std::uint8_t>& Image() const { return image_; }
  // 0 only for a complete image with a good checksum (and, on a demo phone,
  // a version record after it) followed by the finish byte.
  int Exit_Status() const;
  std::string Summary() const;

private:
  enum class State {
    Idle,
    Echoed,
    Challenged,
    Wait_Probe,
    Erase_Size,
    Transfer_Size,
    Transfer_Data,
    Transfer_Checksum,
    Write_Length,
    Write_Record,
    Write_Value
  };

  // Answers at a stage (the first listed that has a fault due decides);
  // true when the answer went out as it should.
  bool answer(std::initializer_list<Stage> stages, std::vector<std::uint8_t> bytes,
              std::vector<std::uint8_t>& out);
  void take(std::uint8_t byte, std::vector<std::uint8_t>& out);
  void command_accepted(std::vector<std::uint8_t>& out);

  Phone_Options options_;
  bool demo_;
  State state_ = State::Idle;
  std::uint8_t command_ = 0;
  std::uint32_t counts_[9] = {};
  bool dead_ = false, flooding_ = false, hung_up_ = false, finished_ = false;

  std::vector<std::uint8_t> field_;  // size, checksum or record being collected
  std::uint32_t record_length_ = 0;
  std::uint32_t erase_size_ = 0;
  std::uint32_t image_size_ = 0;
  std::vector<std::uint8_t> image_;
  std::uint8_t sums_[2] = {0, 0};
  bool image_complete_ = false, checksum_ok_ = false;
  bool record_after_image_ = false;
  std::string last_record_;
  std::uint32_t strays_ = 0;
};

}  // namespace z5t8::phone_sim
