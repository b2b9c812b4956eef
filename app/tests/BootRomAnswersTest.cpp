#include "app/UpdateProcedure.h"
#include "app/fuzz/AnswerPort.h"
#include "app/fuzz/AnswerRecorder.h"
#include "app/tests/UpdateScript.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace z5t8::app;
using namespace z5t8::app::fuzzing;
using z5t8::app::testing::Read_File;

namespace {

const std::filesystem::path corpus = std::filesystem::path(Z5T8_SOURCE_DIR) / "app/fuzz/corpus";

std::uint32_t Waiting(OnePortSystem& port, Handle handle) {
  std::uint32_t errors = 0;
  COMSTAT status;
  EXPECT_TRUE(port.ClearCommError(handle, errors, status));
  return status.cbInQue;
}

bool Write(OnePortSystem& port, Handle handle, std::uint32_t n) {
  const std::uint8_t bytes[4] = {0x58, 0x55, 0x56, 0x52};
  std::uint32_t written = 0;
  return port.WriteFile(handle, bytes, n, written) && written == n;
}

TEST(BootRomAnswers, AnswersArriveOnlyAfterAWriteAndAPurgeDropsOnlyWhatArrived) {
  std::vector<std::uint8_t> data = {2, 'a', 'b', 0, 255};
  data.insert(data.end(), 255, 'x');
  data.insert(data.end(), {1, 'y', 1, 'z', 3, 'w'});
  AnswerPort port(data.data(), data.size());
  Handle handle = port.CreateFile("\\\\.\\COM5");
  ASSERT_NE(handle, INVALID_HANDLE_VALUE);

  std::uint8_t buffer[300];
  std::uint32_t read = 99;
  EXPECT_TRUE(port.ReadFile(handle, buffer, 1, read));
  EXPECT_EQ(read, 0u);
  EXPECT_TRUE(port.PurgeComm(handle, PURGE_TXCLEAR | PURGE_RXCLEAR));
  ASSERT_TRUE(Write(port, handle, 1));
  EXPECT_EQ(Waiting(port, handle), 2u);
  EXPECT_TRUE(port.PurgeComm(handle, PURGE_TXCLEAR | PURGE_RXCLEAR));
  EXPECT_EQ(Waiting(port, handle), 0u);
  ASSERT_TRUE(Write(port, handle, 4));  // the empty chunk
  EXPECT_EQ(Waiting(port, handle), 0u);
  ASSERT_TRUE(Write(port, handle, 1));  // 255 bytes and the chunk after them
  ASSERT_TRUE(port.ReadFile(handle, buffer, 300, read));
  ASSERT_EQ(read, 256u);
  EXPECT_EQ(buffer[254], 'x');
  EXPECT_EQ(buffer[255], 'y');
  ASSERT_TRUE(Write(port, handle, 0));  // nothing sent, nothing answered
  EXPECT_EQ(Waiting(port, handle), 0u);
  ASSERT_TRUE(Write(port, handle, 2));
  ASSERT_TRUE(Write(port, handle, 2));  // a chunk cut short by the end
  ASSERT_TRUE(Write(port, handle, 2));  // silence after it
  ASSERT_TRUE(port.ReadFile(handle, buffer, 3, read));
  ASSERT_EQ(read, 2u);
  EXPECT_EQ(buffer[0], 'z');
  EXPECT_EQ(buffer[1], 'w');
  EXPECT_EQ(port.bytes_read, 258u);
}

// The seeds must be what the recorder makes now; when the protocol or the
// simulator changes, run make-answer-seeds app/fuzz/corpus.
TEST(BootRomAnswers, SeedsAreTheAnswersOfAWholeUpdateAndReplayIt) {
  for (const Answer_Seed& seed : Answer_Seeds) {
    SCOPED_TRACE(seed.file);
    Recorded_Update recorded = Record_Update(seed.version);
    EXPECT_EQ(recorded.outcome.message, Text_Update_Complete);
    EXPECT_EQ(recorded.phone_status, 0);
    std::vector<std::uint8_t> answers = Read_File(corpus / seed.file);
    EXPECT_EQ(answers, recorded.answers);

    AnswerPort port(answers.data(), answers.size());
    Update_Outcome outcome = Run_Update(port);
    EXPECT_EQ(outcome.message, Text_Update_Complete);
    EXPECT_GE(port.bytes_read, Least_Answers);
  }
}

// Where the last answer that is not empty ends; the empty chunks after it
// (the writes a phone does not answer: the record's text, the finish) change
// nothing when cut.
std::size_t End_Of_Last_Answer(const std::vector<std::uint8_t>& answers) {
  std::size_t at = 0, end = 0;
  while (at < answers.size()) {
    const std::size_t length = answers[at];
    at += 1 + length;
    if (length > 0) end = std::min(at, answers.size());
  }
  return end;
}

// Whatever answer is cut off, the update fails: the transfer's end byte and a
// demo phone's record acknowledgement are needed too.
TEST(BootRomAnswers, AnswersCutShortNeverSucceed) {
  for (const Answer_Seed& seed : Answer_Seeds) {
    SCOPED_TRACE(seed.file);
    std::vector<std::uint8_t> answers = Read_File(corpus / seed.file);
    const std::size_t needed = End_Of_Last_Answer(answers);
    for (std::size_t n = 0; n <= answers.size(); ++n) {
      AnswerPort port(answers.data(), n);
      Update_Outcome outcome = Run_Update(port);
      EXPECT_EQ(outcome.message == Text_Update_Complete, n >= needed) << "cut at " << n;
    }
  }
}

}  // namespace
