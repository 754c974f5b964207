// corvana-cli resources: what the executable carries, and whether every packed resource decodes
// to exactly its declared size from exactly its stored stream.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

#include "Commands.h"
#include "Lzh32.h"
#include "ResourceStore.h"

namespace {

// What decoding a packed resource showed.
struct DecodeCheck {
    bool Ok = false;
    bool Decoded = false; // the header was readable, so Bytes holds what the stream decodes to
    std::string Text; // for the listing
    std::vector<std::uint8_t> Bytes; // the decoded bytes, when the header could be read
};

DecodeCheck Decode(const ResourceEntry& e)
{
    DecodeCheck check;
    const Result<LzhContainer> container = ParseLzhContainer(e.Bytes);
    if (!container) {
        check.Text = "no declared size (fewer than 4 bytes)";
        return check;
    }
    const LzhContainer& c = container.Value();
    if (c.DeclaredSize > LzhMaxDeclaredSize) {
        check.Text = "declared size above the limit of " + std::to_string(LzhMaxDeclaredSize);
        return check;
    }
    check.Bytes.resize(c.DeclaredSize);
    check.Decoded = true;
    const Result<LzhDecoded> r = LzhDecode(c.Stream, c.DeclaredSize, check.Bytes);
    if (!r) {
        check.Text = r.Failure().Message;
    } else if (r.Value().Produced != c.DeclaredSize) {
        check.Text = "decoded " + std::to_string(r.Value().Produced) + " bytes";
    } else if (r.Value().InputNeeded > c.Stream.size()) {
        check.Text = "stream truncated: needs " + std::to_string(r.Value().InputNeeded)
            + " bytes, has " + std::to_string(c.Stream.size());
    } else if (r.Value().InputNeeded < c.Stream.size()) {
        check.Text = "decoded, but " + std::to_string(c.Stream.size() - r.Value().InputNeeded)
            + " stream bytes were never reached";
    } else {
        check.Ok = true;
        check.Text = "ok";
    }
    return check;
}

int List()
{
    bool allOk = true;
    std::printf("%-20s %-6s %10s %10s  %s\n", "name", "stored", "bytes", "declared", "decoding");
    for (const ResourceEntry& e : AllResources()) {
        const std::string name(e.Name);
        if (e.Form != StoredForm::Lzhuf) {
            std::printf("%-20s %-6s %10zu %10s\n", name.c_str(), StoredFormName(e.Form),
                e.Bytes.size(), "raw");
            continue;
        }
        const DecodeCheck check = Decode(e);
        const Result<LzhContainer> c = ParseLzhContainer(e.Bytes);
        const std::string declared = c ? std::to_string(c.Value().DeclaredSize) : "-";
        std::printf("%-20s %-6s %10zu %10s  %s\n", name.c_str(), StoredFormName(e.Form),
            e.Bytes.size(), declared.c_str(), check.Text.c_str());
        allOk = allOk && check.Ok;
    }
    return allOk ? 0 : 1;
}

bool WriteFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (f.flush())
        return true;
    std::cerr << "corvana-cli: cannot write " << path.string() << "\n";
    return false;
}

int Extract(const std::filesystem::path& dir)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::cerr << "corvana-cli: cannot create " << dir.string() << ": " << ec.message() << "\n";
        return 1;
    }
    bool allOk = true;
    for (const ResourceEntry& e : AllResources()) {
        const std::string name(e.Name);
        if (!WriteFile(dir / (name + ".stored"), e.Bytes))
            return 1;
        if (e.Form != StoredForm::Lzhuf)
            continue;
        const DecodeCheck check = Decode(e);
        if (!check.Ok) {
            std::cerr << "corvana-cli: " << name << ": " << check.Text << "\n";
            allOk = false;
        }
        if (check.Decoded && !WriteFile(dir / (name + ".bin"), check.Bytes))
            return 1;
    }
    return allOk ? 0 : 1;
}

} // namespace

int RunResources(CliArgs& args)
{
    const bool list = args.TakeFlag("--list");
    const std::optional<std::string> dir = args.Take("--extract");
    args.ExpectEnd();
    if (list == dir.has_value())
        throw UsageError("resources needs either --list or --extract DIR");
    return list ? List() : Extract(*dir);
}
