// A fresh folder per test, removed with everything in it afterwards.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

struct TempFolder {
    std::string Path; // ends with "/"

    TempFolder() {
        char pattern[] = "/tmp/festmelder-test-XXXXXX";
        Path = std::string(mkdtemp(pattern)) + "/";
    }
    ~TempFolder() { std::filesystem::remove_all(Path); }

    std::string Read(const std::string& name) const {
        std::ifstream in(Path + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path + name, std::ios::binary) << bytes;
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(Path + name); }
};
