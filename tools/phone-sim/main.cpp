// phone-sim: the boot ROM's end of a serial line, on a new pseudo-terminal or
// on a device path. Prints "PORT <path>" first, then serves one connection.
#include "platform/serial/SerialLine.h"
#include "tools/phone-sim/PhoneSim.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

using z5t8::platform::serial::SerialLine;
using namespace z5t8::phone_sim;
using Clock = SerialLine::Clock;

namespace {

const char usage[] =
    "usage: phone-sim [options] [PATH]\n"
    "Serves the boot ROM's end of the protocol on a new pseudo-terminal (or on PATH)\n"
    "and prints PORT <path> on its first line.\n"
    "  --variant retail|retail100|demo|foreign   the version record it reports (default retail)\n"
    "  --version TEXT      report TEXT as the version record\n"
    "  --national N        answer reads with the byte N (and take writes as one byte)\n"
    "  --erase P,P,...     erase percentages before the end byte (default 10,20,...,100)\n"
    "  --out FILE          keep the received image in FILE\n"
    "  --baud N            pace the line as N baud 8N1 (default 0: unpaced)\n"
    "  --turnaround US     answer delay in microseconds when paced (default 300)\n"
    "  --fault STAGE:KIND[:N]  misbehave at the Nth occurrence (default 1) of STAGE\n"
    "      STAGE: sync echo handshake version erase block checksum write finish\n"
    "      KIND: silent (answers nothing more), wrong (a wrong byte), flood (0x55 without end),\n"
    "            hangup (closes the line)\n"
    "Exit status 0 only after a complete image with a good checksum (and, for a demo\n"
    "phone, the version record) followed by the finish byte.\n";

int usage_error(const std::string& message) {
  std::cerr << "phone-sim: " << message << "\n" << usage;
  return 2;
}

bool parse_number(const std::string& text, unsigned long max, unsigned long& value) {
  if (text.empty() || text.size() > 10 || text.find_first_not_of("0123456789") != std::string::npos)
    return false;
  value = std::stoul(text);
  return value <= max;
}

struct Pending {
  std::uint8_t byte;
  Clock::time_point ready;  // not before this time on the line
};

}  // namespace

int main(int argc, char** argv) {
  Phone_Options options;
  std::string out_file, path;
  unsigned long baud = 0, turnaround_us = 300;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&](std::string& v) {
      if (i + 1 >= argc) return false;
      v = argv[++i];
      return true;
    };
    std::string v;
    unsigned long n = 0;
    if (arg == "--help") {
      std::cout << usage;
      return 0;
    } else if (arg == "--variant") {
      if (!value(v) || !Variant_Version(v))
        return usage_error("--variant takes retail, retail100, demo or foreign");
      options.version = *Variant_Version(v);
    } else if (arg == "--version") {
      if (!value(v) || v.size() > 255) return usage_error("--version takes a text of at most 255 characters");
      options.version = v;
    } else if (arg == "--national") {
      if (!value(v) || !parse_number(v, 255, n)) return usage_error("--national takes a byte value");
      options.national = static_cast<std::uint8_t>(n);
    } else if (arg == "--erase") {
      if (!value(v)) return usage_error("--erase takes percentages");
      options.erase_percentages.clear();
      std::size_t start = 0;
      while (start <= v.size()) {
        std::size_t end = std::min(v.find(',', start), v.size());
        if (!parse_number(v.substr(start, end - start), 255, n))
          return usage_error("--erase takes byte values separated by commas");
        options.erase_percentages.push_back(static_cast<std::uint8_t>(n));
        start = end + 1;
      }
    } else if (arg == "--out") {
      if (!value(out_file)) return usage_error("--out takes a file name");
    } else if (arg == "--baud") {
      if (!value(v) || !parse_number(v, 10000000, baud)) return usage_error("--baud takes a rate");
    } else if (arg == "--turnaround") {
      if (!value(v) || !parse_number(v, 10000000, turnaround_us))
        return usage_error("--turnaround takes microseconds");
    } else if (arg == "--fault") {
      std::optional<Fault> fault;
      if (!value(v) || !(fault = Parse_Fault(v))) return usage_error("--fault takes STAGE:KIND[:N]");
      options.faults.push_back(*fault);
    } else if (!arg.empty() && arg[0] != '-' && path.empty()) {
      path = arg;
    } else {
      return usage_error("unknown argument " + arg);
    }
  }

  std::string error;
  std::unique_ptr<SerialLine> line =
      path.empty() ? SerialLine::Open_Pseudo_Terminal(error)
                   : SerialLine::Open_Device(path, static_cast<std::uint32_t>(baud), error);
  if (!line) {
    std::cerr << "phone-sim: " << error << "\n";
    return 2;
  }
  std::cout << "PORT " << line->Path() << std::endl;

  PhoneSim phone(options);
  // One byte on an 8N1 line is 10 bits; unpaced, everything moves at once.
  const Clock::duration byte_time =
      baud ? std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(10'000'000'000ULL / baud))
           : Clock::duration::zero();
  const Clock::duration turnaround =
      baud ? std::chrono::microseconds(turnaround_us) : Clock::duration::zero();

  std::vector<std::uint8_t> rx;  // from the host, not yet taken by the phone
  std::size_t rx_head = 0;
  Clock::time_point rx_next_done{};  // when the first byte of rx has fully arrived
  Clock::time_point rx_line_done{};  // when the last byte taken had arrived
  std::deque<Pending> tx;            // to the host, not yet on the line
  Clock::time_point tx_line_done{};
  bool image_kept = false;
  std::vector<std::uint8_t> answer, buffer(1 << 16);

  auto finish = [&](int status) {
    std::cerr << phone.Summary() << "\n";
    return status;
  };

  for (;;) {
    Clock::time_point now = Clock::now();
    for (;;) {
      long got = line->Read(buffer.data(), buffer.size());
      if (got < 0) return finish(phone.Exit_Status());  // the line went away
      if (got == 0) break;
      if (rx_head == rx.size()) {
        rx.clear();
        rx_head = 0;
        rx_next_done = std::max(now, rx_line_done) + byte_time;
      }
      rx.insert(rx.end(), buffer.begin(), buffer.begin() + got);
    }

    while (rx_head < rx.size()) {
      std::size_t deliverable = rx.size() - rx_head;
      if (byte_time > Clock::duration::zero()) {
        if (now < rx_next_done) break;
        deliverable = std::min<std::size_t>(deliverable, 1 + (now - rx_next_done) / byte_time);
      }
      std::size_t chunk = std::min(deliverable, phone.Wants());
      Clock::time_point last = rx_next_done + byte_time * static_cast<long>(chunk - 1);
      answer.clear();
      phone.Receive(rx.data() + rx_head, chunk, answer);
      rx_head += chunk;
      rx_line_done = last;
      rx_next_done = last + byte_time;
      for (std::uint8_t b : answer) tx.push_back({b, last + turnaround});
      if (phone.Hung_Up()) {
        line->Close();
        return finish(1);
      }
    }
    if (rx_head > (1u << 20)) {
      rx.erase(rx.begin(), rx.begin() + static_cast<long>(rx_head));
      rx_head = 0;
    }

    if (phone.Image_Complete() && !image_kept && !out_file.empty()) {
      std::ofstream out(out_file, std::ios::binary);
      out.write(reinterpret_cast<const char*>(phone.Image().data()),
                static_cast<std::streamsize>(phone.Image().size()));
      image_kept = true;
    }

    bool blocked = false;
    for (;;) {
      // A flood never runs dry: it stops only when the line is full.
      if (phone.Flooding() && tx.empty()) {
        std::size_t n = byte_time > Clock::duration::zero() ? 1 : 4096;
        for (std::size_t i = 0; i < n; ++i) tx.push_back({0x55, now});
      }
      if (tx.empty()) break;
      if (byte_time > Clock::duration::zero()) {
        Clock::time_point on_line = std::max(tx.front().ready, tx_line_done) + byte_time;
        if (on_line > now) break;
        long put = line->Write(&tx.front().byte, 1);
        if (put < 0) return finish(phone.Exit_Status());
        if (put == 0) {
          blocked = true;
          break;
        }
        tx_line_done = on_line;
        tx.pop_front();
      } else {
        std::uint8_t run[4096];
        std::size_t n = std::min(tx.size(), sizeof run);
        for (std::size_t i = 0; i < n; ++i) run[i] = tx[i].byte;
        long put = line->Write(run, n);
        if (put < 0) return finish(phone.Exit_Status());
        tx.erase(tx.begin(), tx.begin() + put);
        if (static_cast<std::size_t>(put) < n) {
          blocked = true;
          break;
        }
      }
    }

    if (phone.Finished() && tx.empty()) {
      // The host may still be waiting for its finish byte to drain; a line
      // that vanished under it would turn its write into a failure.
      line->Wait_For_Host_Close(Clock::now() + std::chrono::seconds(2));
      return finish(phone.Exit_Status());
    }

    std::optional<Clock::time_point> deadline;
    if (rx_head < rx.size() && byte_time > Clock::duration::zero()) deadline = rx_next_done;
    if (!tx.empty() && !blocked) {
      Clock::time_point next = byte_time > Clock::duration::zero()
                                   ? std::max(tx.front().ready, tx_line_done) + byte_time
                                   : Clock::now();
      deadline = deadline ? std::min(*deadline, next) : next;
    }
    int ready = line->Wait(blocked, deadline);
    if ((ready & SerialLine::Hung_Up) && !(ready & SerialLine::Readable)) return finish(phone.Exit_Status());
  }
}
