#include "tools/phone-sim/PhoneSim.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace z5t8::phone_sim {

namespace {

constexpr std::uint8_t Sync_Command = 0x58, Probe = 0x55, Probe_Answer = 0xAA, Challenge = 0xA3,
                       Challenge_Answer = 0x5C, Confirm = 0xA5, Done = 0xA5, Erase_Command = 0x56,
                       Read_Command = 0x52, Write_Command = 0x54, Finish_Command = 0x60, Block_Ack = 0xAA,
                       Bad_Checksum = 0xEE, Erase_Failure = 0xA6;

const char* const stage_names[] = {"sync",  "echo",     "handshake", "version", "erase",
                                   "block", "checksum", "write",     "finish"};
const char* const kind_names[] = {"silent", "wrong", "flood", "hangup"};

bool starts_with_ignoring_case(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower((unsigned char)a) == std::tolower((unsigned char)b);
         });
}

// A byte that is neither the right one nor the filler.
std::uint8_t wrong_byte(std::uint8_t right) {
  std::uint8_t wrong = right ^ 0x01;
  return wrong == 0x55 ? right ^ 0x02 : wrong;
}

}  // namespace

std::optional<std::string> Variant_Version(const std::string& variant) {
  if (variant == "retail") return "Z5T8-QUEX-TW-R104-0-V4_3_0";
  if (variant == "retail100") return "Z5T8-QUEX-TW-R100-0-V4_0_0";
  if (variant == "demo") return "Z5T8-DEMO-EF-R100-1-V1_0_0";
  if (variant == "foreign") return "Z5T8-QUEX-HK-R104-0-V4_3_0";
  return std::nullopt;
}

std::optional<Fault> Parse_Fault(const std::string& text) {
  std::size_t first = text.find(':');
  if (first == std::string::npos) return std::nullopt;
  std::size_t second = text.find(':', first + 1);
  std::string stage = text.substr(0, first);
  std::string kind =
      text.substr(first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
  Fault fault{};
  auto s = std::find(std::begin(stage_names), std::end(stage_names), stage);
  auto k = std::find(std::begin(kind_names), std::end(kind_names), kind);
  if (s == std::end(stage_names) || k == std::end(kind_names)) return std::nullopt;
  fault.stage = static_cast<Stage>(s - std::begin(stage_names));
  fault.kind = static_cast<Fault_Kind>(k - std::begin(kind_names));
  if (second != std::string::npos) {
    std::string n = text.substr(second + 1);
    if (n.empty() || n.find_first_not_of("0123456789") != std::string::npos || n.size() > 9)
      return std::nullopt;
    fault.occurrence = static_cast<std::uint32_t>(std::stoul(n));
    if (fault.occurrence == 0) return std::nullopt;
  }
  return fault;
}

PhoneSim::PhoneSim(Phone_Options options)
    : options_(std::move(options)),
      demo_(starts_with_ignoring_case(options_.version, "Z5T8-DEMO-EF-R100-1")) {}

std::size_t PhoneSim::Wants() const {
  if (dead_ || flooding_ || hung_up_ || finished_)
    return 1 << 16;  // it takes everything and says nothing more
  switch (state_) {
    case State::Erase_Size:
    case State::Transfer_Size:
      return 4 - field_.size();
    case State::Transfer_Checksum:
      return 2 - field_.size();
    case State::Write_Record:
      return record_length_ - field_.size();
    case State::Transfer_Data: {
      std::uint32_t received = static_cast<std::uint32_t>(image_.size());
      std::uint32_t full_end = image_size_ - image_size_ % Block_Size;
      std::uint32_t end = received < full_end ? (received / Block_Size + 1) * Block_Size : image_size_;
      return end - received;
    }
    default:
      return 1;
  }
}

bool PhoneSim::answer(std::initializer_list<Stage> stages, std::vector<std::uint8_t> bytes,
                      std::vector<std::uint8_t>& out) {
  const Fault* due = nullptr;
  for (Stage stage : stages) {
    std::uint32_t count = ++counts_[static_cast<int>(stage)];
    for (const Fault& f : options_.faults)
      if (!due && f.stage == stage && f.occurrence == count) due = &f;
  }
  if (!due) {
    out.insert(out.end(), bytes.begin(), bytes.end());
    return true;
  }
  switch (due->kind) {
    case Fault_Kind::Silent:
      dead_ = true;
      break;
    case Fault_Kind::Wrong:
      if (bytes.empty())  // the finish has no answer: a stray byte instead
        bytes = {Finish_Command};
      if (due->stage == Stage::Erase)
        bytes = {Erase_Failure};
      else if (due->stage == Stage::Version && bytes.size() > 1)
        bytes[1] = wrong_byte(bytes[1]);  // another variant's record
      else
        bytes[0] = wrong_byte(bytes[0]);
      out.insert(out.end(), bytes.begin(), bytes.end());
      state_ = State::Idle;
      break;
    case Fault_Kind::Flood:
      flooding_ = true;
      break;
    case Fault_Kind::Hangup:
      hung_up_ = true;
      break;
  }
  return false;
}

void PhoneSim::Receive(const std::uint8_t* data, std::size_t n, std::vector<std::uint8_t>& out) {
  if (dead_ || flooding_ || hung_up_ || finished_) return;
  if (state_ == State::Transfer_Data) {
    image_.insert(image_.end(), data, data + n);
    for (std::size_t i = 0; i < n; ++i) sums_[(image_.size() - n + i) & 1] ^= data[i];
    std::uint32_t received = static_cast<std::uint32_t>(image_.size());
    if (received % Block_Size == 0 && received <= image_size_ - image_size_ % Block_Size && n > 0)
      if (!answer({Stage::Block}, {Block_Ack}, out)) return;
    if (received == image_size_) state_ = State::Transfer_Checksum;
    return;
  }
  for (std::size_t i = 0; i < n; ++i) take(data[i], out);
}

void PhoneSim::take(std::uint8_t byte, std::vector<std::uint8_t>& out) {
  if (dead_ || flooding_ || hung_up_ || finished_) return;
  switch (state_) {
    case State::Idle:
      if (byte == Sync_Command || byte == Read_Command || byte == Write_Command || byte == Erase_Command) {
        command_ = byte;
        bool echoed = byte == Write_Command ? answer({Stage::Write, Stage::Echo}, {byte}, out)
                                            : answer({Stage::Echo}, {byte}, out);
        if (echoed) state_ = State::Echoed;
      } else if (byte == Finish_Command) {
        if (answer({Stage::Finish}, {}, out)) finished_ = true;
      } else {
        ++strays_;
      }
      return;
    case State::Echoed:
      if (byte != Challenge) break;
      if (answer({Stage::Handshake}, {Challenge_Answer}, out)) state_ = State::Challenged;
      return;
    case State::Challenged:
      if (byte != Confirm) break;
      command_accepted(out);
      return;
    case State::Wait_Probe:
      if (byte != Probe) break;
      state_ = State::Idle;
      answer({Stage::Sync}, {Probe_Answer}, out);
      return;
    case State::Erase_Size:
    case State::Transfer_Size:
    case State::Transfer_Checksum:
    case State::Write_Length:
    case State::Write_Record:
    case State::Write_Value:
    case State::Transfer_Data:
      field_.push_back(byte);
      if (state_ == State::Erase_Size && field_.size() == 4) {
        erase_size_ = field_[0] | field_[1] << 8 | field_[2] << 16 | std::uint32_t(field_[3]) << 24;
        field_.clear();
        state_ = State::Transfer_Size;
        std::vector<std::uint8_t> replies = options_.erase_percentages;
        replies.push_back(erase_size_ <= Image_Capacity ? Done : Erase_Failure);
        for (std::uint8_t reply : replies)
          if (!answer({Stage::Erase}, {reply}, out)) return;
        if (erase_size_ > Image_Capacity) state_ = State::Idle;
      } else if (state_ == State::Transfer_Size && field_.size() == 4) {
        image_size_ = field_[0] | field_[1] << 8 | field_[2] << 16 | std::uint32_t(field_[3]) << 24;
        field_.clear();
        image_.clear();
        image_.reserve(std::min(image_size_, Image_Capacity));
        sums_[0] = sums_[1] = 0;
        image_complete_ = checksum_ok_ = record_after_image_ = false;
        state_ = image_size_ > Image_Capacity
                     ? State::Idle
                     : (image_size_ == 0 ? State::Transfer_Checksum : State::Transfer_Data);
      } else if (state_ == State::Transfer_Checksum && field_.size() == 2) {
        checksum_ok_ = field_[0] == sums_[0] && field_[1] == sums_[1];
        image_complete_ = true;
        field_.clear();
        state_ = State::Idle;
        // A phone that does not say the image is good has not taken it.
        bool said = answer({Stage::Checksum}, {checksum_ok_ ? Done : Bad_Checksum}, out);
        checksum_ok_ = checksum_ok_ && said;
      } else if (state_ == State::Write_Length) {
        record_length_ = byte;
        field_.clear();
        state_ = State::Write_Record;
        if (record_length_ == 0) {
          last_record_.clear();
          record_after_image_ = image_complete_;
          state_ = State::Idle;
        }
      } else if (state_ == State::Write_Record && field_.size() == record_length_) {
        last_record_.assign(field_.begin(), field_.end());
        record_after_image_ = image_complete_;
        field_.clear();
        state_ = State::Idle;
      } else if (state_ == State::Write_Value) {
        options_.national = byte;
        field_.clear();
        state_ = State::Idle;
      }
      return;
  }
  // An exchange broken off by the host: start over with this byte.
  state_ = State::Idle;
  take(byte, out);
}

void PhoneSim::command_accepted(std::vector<std::uint8_t>& out) {
  state_ = State::Idle;
  field_.clear();
  switch (command_) {
    case Sync_Command:
      state_ = State::Wait_Probe;
      break;
    case Erase_Command:
      state_ = State::Erase_Size;
      break;
    case Write_Command:
      state_ = options_.national ? State::Write_Value : State::Write_Length;
      break;
    case Read_Command:
      if (options_.national) {
        answer({Stage::Version}, {*options_.national}, out);
      } else {
        std::vector<std::uint8_t> record;
        record.push_back(static_cast<std::uint8_t>(options_.version.size()));
        record.insert(record.end(), options_.version.begin(), options_.version.end());
        answer({Stage::Version}, record, out);
      }
      break;
  }
}

int PhoneSim::Exit_Status() const {
  bool ok = finished_ && image_complete_ && checksum_ok_ && (!demo_ || record_after_image_);
  return ok ? 0 : 1;
}

std::string PhoneSim::Summary() const {
  std::string s = "phone-sim: ";
  s += finished_ ? "finished" : "not finished";
  s += image_complete_ ? ", image of " + std::to_string(image_.size()) + " bytes" : ", no complete image";
  if (image_complete_) s += checksum_ok_ ? ", checksum good" : ", checksum bad";
  if (!last_record_.empty()) s += ", record \"" + last_record_ + "\"";
  if (demo_) s += record_after_image_ ? ", demo record written" : ", demo record missing";
  if (strays_) s += ", " + std::to_string(strays_) + " stray bytes";
  return s;
}

}  // namespace z5t8::phone_sim
