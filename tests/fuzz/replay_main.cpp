// Replays saved fuzzer inputs through the same events and checks as the
// fuzzer, without it: every file in each folder given (in name order) or
// each file given. Prints one line per failing input and a closing count;
// fails if any input fails or if there was none to replay.
//
//   kolvar_fuzz_replay tests/fuzz/corpus tests/fuzz/regressions
#include "run_input.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> inputs(int argc, char** argv)
{
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const fs::path arg = argv[i];
        if (fs::is_directory(arg)) {
            std::vector<fs::path> found;
            for (const auto& entry : fs::directory_iterator(arg))
                if (entry.is_regular_file() && entry.path().filename().string().front() != '.' &&
                    entry.path().extension() != ".md")
                    found.push_back(entry.path());
            std::sort(found.begin(), found.end());
            files.insert(files.end(), found.begin(), found.end());
        } else if (fs::is_regular_file(arg)) {
            files.push_back(arg);
        } else {
            std::fprintf(stderr, "kolvar_fuzz_replay: no such file or folder: %s\n", argv[i]);
        }
    }
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    int passed = 0, failed = 0;
    for (const fs::path& file : inputs(argc, argv)) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        const std::string failure =
            kolvar::fuzz::RunInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        if (failure.empty()) {
            ++passed;
        } else {
            ++failed;
            std::printf("FAILED %s: %s\n", file.string().c_str(), failure.c_str());
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 && passed > 0 ? 0 : 1;
}
