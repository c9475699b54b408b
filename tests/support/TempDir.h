// TempDir: a fresh folder under the system's temporary folder, removed with everything in it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <string>
#include <system_error>
#include <vector>

class TempDir
{
public:
    TempDir()
    {
        std::random_device rd;
        for (;;) {
            Path = std::filesystem::temp_directory_path() / ("tarnhollow-test-" + std::to_string(rd()));
            if (std::filesystem::create_directory(Path)) {
                break;
            }
        }
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(Path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return (Path / name).string(); }

    std::string Write(const std::string& name, std::span<const std::uint8_t> bytes) const
    {
        const std::string path = File(name);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    std::string WriteText(const std::string& name, const std::string& text) const
    {
        return Write(name, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    }

    static std::vector<std::uint8_t> Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>());
    }

    std::filesystem::path Path;
};
