#pragma once
// A fresh folder for one test's files, removed with everything in it afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

class TempDir {
public:
    TempDir() {
        std::random_device random;
        path = std::filesystem::temp_directory_path() /
               ("brask-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path);
    }
    ~TempDir() {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Writes `bytes` exactly (no line-end translation) to `relative`, making its folders.
    std::filesystem::path Write(const std::string& relative, std::string_view bytes) const {
        const std::filesystem::path file = path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        EXPECT_TRUE(out.good()) << file;
        return file;
    }

    std::filesystem::path path;
};

// Makes `folder` the working directory for the lifetime of the object.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& folder)
        : previous(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~WorkingDirectory() {
        std::error_code error;
        std::filesystem::current_path(previous, error);
    }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path previous;
};

// A global locale that writes the decimal point as a comma, as many users' locales do; the
// readers must not follow it.
class CommaDecimalLocale {
public:
    CommaDecimalLocale()
        : previous(std::locale::global(std::locale(std::locale::classic(), new Comma))) {}
    ~CommaDecimalLocale() { std::locale::global(previous); }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

private:
    struct Comma : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    std::locale previous;
};
