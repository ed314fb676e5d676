// Replays kept inputs through a fuzz target without a fuzzing engine, so that any compiler's
// test build runs them: every file of the folders (or the files) named on the command line
// goes through LLVMFuzzerTestOneInput once. A broken promise of the target traps.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
}

} // namespace

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        if (std::filesystem::is_directory(argv[i], error)) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
                Replay(entry.path());
                ++replayed;
            }
        } else {
            Replay(argv[i]);
            ++replayed;
        }
    }
    std::printf("%zu inputs replayed\n", replayed);
    // An empty corpus proves nothing: a folder moved away must not pass unnoticed.
    return replayed > 0 ? 0 : 1;
}
