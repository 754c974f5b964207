// Access to corvana-gen's output for the tests.
#include "GeneratedFiles.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fs = std::filesystem;

fs::path GeneratedDir() { return CORVANA_GENERATED_DIR; }

std::vector<std::uint8_t> ReadFileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::uint8_t> Generated(const std::string& name)
{
    return ReadFileBytes(GeneratedDir() / (name + ".raw"));
}

TTempDir::TTempDir(const std::string& tag)
    : Dir(fs::temp_directory_path() / ("corvana-gen-" + tag + "-" + std::to_string(getpid())))
{
    fs::remove_all(Dir);
}

TTempDir::~TTempDir()
{
    std::error_code ignored;
    fs::remove_all(Dir, ignored);
}

bool RunGenerator(const fs::path& outDir, const std::string& arguments)
{
    const std::string command
        = "\"" CORVANA_GEN_PATH "\" \"" + outDir.string() + "\" " + arguments + " 2>/dev/null";
    return std::system(command.c_str()) == 0;
}
