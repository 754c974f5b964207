// Test support for corvana-gen's output: the resources the build generated (the files the
// packer takes), and runs of the generator into temporary directories.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The build's output directory of corvana-gen.
std::filesystem::path GeneratedDir();

// The bytes of GeneratedDir()/NAME.raw (empty when the file is missing).
std::vector<std::uint8_t> Generated(const std::string& name);

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

// A fresh directory under the system's temporary directory, removed again on destruction.
class TTempDir {
public:
    explicit TTempDir(const std::string& tag);
    ~TTempDir();
    const std::filesystem::path& Path() const { return Dir; }

private:
    std::filesystem::path Dir;
};

// Runs corvana-gen OUTDIR ARGUMENTS...; true when it exited with 0.
bool RunGenerator(const std::filesystem::path& outDir, const std::string& arguments);
