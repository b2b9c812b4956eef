// How fast component streams are read, written and converted: the window layout and every
// skin object go through the reader at start-up.

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "framework/MemoryStream.h"
#include "framework/Reader.h"
#include "framework/TextForm.h"
#include "framework/Writer.h"
#include "framework/fuzz/FuzzClasses.h"

using namespace z5t8::framework;
using namespace z5t8::framework::fuzzing;

namespace {

// A root with `count` children carrying a handful of properties each, like a skin object tree.
std::string MakeTree(int count) {
  static bool registered = [] {
    RegisterClasses({&TFuzzThing::StaticClass(), &TFuzzRoot::StaticClass()});
    return true;
  }();
  (void)registered;
  TFuzzRoot root(nullptr);
  root.SetName("Root");
  for (int i = 0; i < count; ++i) {
    auto* child = new TFuzzThing(&root);
    child->SetName("Child" + std::to_string(i));
    child->SetParentComponent(&root);
    child->Number = i * 37;
    child->Kind = fkTwo;
    child->Kinds = {fkOne, fkThree};
    child->Flag = true;
    child->Text = "TopLeft";
    child->Color = clBtnFace;
    child->Font.SetName("Tahoma");
    child->Font.SetStyle({fsBold});
  }
  TMemoryStream stream;
  WriteComponent(stream, &root);
  return std::string(reinterpret_cast<const char*>(stream.Memory()), size_t(stream.Size()));
}

void BM_ReadComponentTree(benchmark::State& state) {
  std::string bytes = MakeTree(int(state.range(0)));
  for (auto _ : state) {
    TCustomMemoryStream stream(bytes.data(), int64_t(bytes.size()));
    TComponent* root = ReadComponent(stream, nullptr);
    benchmark::DoNotOptimize(root);
    delete root;
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_ReadComponentTree)->Arg(23)->Arg(400);

void BM_WriteComponentTree(benchmark::State& state) {
  std::string bytes = MakeTree(int(state.range(0)));
  TCustomMemoryStream input(bytes.data(), int64_t(bytes.size()));
  TComponent* root = ReadComponent(input, nullptr);
  for (auto _ : state) {
    TMemoryStream stream;
    WriteComponent(stream, root);
    benchmark::DoNotOptimize(stream.Memory());
  }
  delete root;
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_WriteComponentTree)->Arg(400);

void BM_LayoutBinaryToText(benchmark::State& state) {
  std::ifstream in(std::string(Z5T8_SOURCE_DIR) + "/framework/fuzz/binary-corpus/TFORM1.bin",
                   std::ios::binary);
  std::ostringstream data;
  data << in.rdbuf();
  std::string bytes = data.str();
  for (auto _ : state) benchmark::DoNotOptimize(ObjectBinaryToText(bytes));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_LayoutBinaryToText);

void BM_LayoutTextToBinary(benchmark::State& state) {
  std::ifstream in(std::string(Z5T8_SOURCE_DIR) + "/framework/fuzz/text-corpus/TFORM1.txt", std::ios::binary);
  std::ostringstream data;
  data << in.rdbuf();
  std::string text = data.str();
  for (auto _ : state) benchmark::DoNotOptimize(ObjectTextToBinary(text));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}
BENCHMARK(BM_LayoutTextToBinary);

// The theme data inside the layout is one large binary value.
void BM_ReadLargeBinaryValue(benchmark::State& state) {
  std::string bytes = "TPF0" + std::string(
                                   "\x09TFuzzRoot\x01R\x05Items\x0E\x01\x04"
                                   "Blob\x0A",
                                   26);
  uint32_t size = 58189;
  bytes +=
      std::string(reinterpret_cast<const char*>(&size), 4) + std::string(size, '\x5A') + std::string(4, '\0');
  for (auto _ : state) {
    TCustomMemoryStream stream(bytes.data(), int64_t(bytes.size()));
    TComponent* root = ReadComponent(stream, nullptr);
    delete root;
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}
BENCHMARK(BM_ReadLargeBinaryValue);

}  // namespace

BENCHMARK_MAIN();
