// tessary-bench-inputs OUTDIR: writes the benchmark inputs as files into OUTDIR.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "input_generator.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: tessary-bench-inputs OUTDIR\n";
    return 2;
  }
  std::filesystem::path folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  for (const auto& input : tessary::bench::AllInputs()) {
    std::ofstream out(folder / input.fileName, std::ios::binary);
    out.write(input.bytes.data(), static_cast<std::streamsize>(input.bytes.size()));
    if (!out) {
      std::cerr << "tessary-bench-inputs: cannot write " << (folder / input.fileName) << "\n";
      return 1;
    }
    std::cout << input.fileName << " " << input.bytes.size() << " bytes\n";
  }
  return 0;
}
