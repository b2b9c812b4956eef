// Writes the boot-ROM answers fuzzer's seeds: the answers of a whole retail
// and a whole demo update, recorded from the phone simulator.
//   make-answer-seeds app/fuzz/corpus
#include "app/UpdateProcedure.h"
#include "app/fuzz/AnswerRecorder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace z5t8;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make-answer-seeds DIR\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  for (const app::fuzzing::Answer_Seed& seed : app::fuzzing::Answer_Seeds) {
    app::fuzzing::Recorded_Update recorded = app::fuzzing::Record_Update(seed.version);
    if (recorded.outcome.message != app::Text_Update_Complete || recorded.phone_status != 0) {
      std::fprintf(stderr, "make-answer-seeds: the %s update did not succeed\n", seed.file);
      return 1;
    }
    std::ofstream out(dir / seed.file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(recorded.answers.data()),
              static_cast<std::streamsize>(recorded.answers.size()));
    if (!out.flush()) {
      std::fprintf(stderr, "make-answer-seeds: cannot write %s\n", (dir / seed.file).c_str());
      return 1;
    }
    std::printf("%s: %zu bytes\n", (dir / seed.file).c_str(), recorded.answers.size());
  }
  return 0;
}
