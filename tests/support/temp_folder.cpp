#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace varden::testing {

TempFolder::TempFolder() {
    std::string name = "varden_test";
    if (const auto* test = ::testing::UnitTest::GetInstance()->current_test_info()) {
        name += std::string("_") + test->test_suite_name() + "_" + test->name();
    }
    name += "_" + std::to_string(::getpid());
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace varden::testing
