// Reads every file in the folders named on the command line through the fuzz target, as
// `make test` does with the inputs the fuzzer ever failed on. A folder that is not there is
// passed over: it holds no failures yet.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[]) {
    std::vector<std::filesystem::path> inputs;
    for (int index = 1; index < argc; ++index) {
        std::error_code missing;
        for (const auto& entry : std::filesystem::directory_iterator(argv[index], missing))
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
    }
    for (const std::filesystem::path& input : inputs) {
        std::ifstream file(input, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        std::cout << input.string() << std::endl;
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::cout << inputs.size() << " inputs read back\n";
    return 0;
}
