// Random sequences of writes, checked read for read against a plain in-memory model.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "patch/ini_file.h"
#include "tests/support/temp_dir.h"

namespace zembo {
namespace {

std::string Lower(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return s;
}

TEST(ProfileModel, RandomWritesReadBackAsTheModelSays) {
    const std::vector<std::string> sections = {"Filenames", "FILENAMES", "files", "Globals",
                                               "sourcesystems"};
    const std::vector<std::string> keys = {"1", "2", "16", "patch", "Patch", "Loop"};
    std::mt19937 rng(20261208);
    auto pick = [&](const std::vector<std::string>& v) { return v[rng() % v.size()]; };
    auto value = [&]() {
        static const std::string chars = "abcXYZ019 ./\\:_-";
        std::string v;
        int len = static_cast<int>(rng() % 12);
        for (int i = 0; i < len; ++i) {
            v.push_back(chars[rng() % chars.size()]);
        }
        // Blanks at either end and enclosing quotes read back too.
        if (rng() % 4 == 0) {
            v = (rng() % 2 == 0 ? "'" : "\"") + v + (rng() % 2 == 0 ? "'" : "\"");
        }
        return v;
    };

    test::TempDir dir;
    const std::string file = dir / "model.ini";
    // Start from a file with lines of its own that must survive untouched.
    const std::string preamble = "; kept\r\n\r\n[Other]\r\nx = 1\r\n";
    test::WriteFile(file, preamble);

    std::map<std::pair<std::string, std::string>, std::string> model;
    for (int step = 0; step < 400; ++step) {
        TIniFile ini(file);
        std::string s = pick(sections);
        std::string k = pick(keys);
        std::string v = value();
        ini.WriteValue(s, k, v);
        model[{Lower(s), Lower(k)}] = v;

        std::string rs = pick(sections);
        std::string rk = pick(keys);
        auto it = model.find({Lower(rs), Lower(rk)});
        std::string expected = it == model.end() ? "<default>" : it->second;
        ASSERT_EQ(ini.ReadValue(rs, rk, "<default>"), expected) << "step " << step;
    }
    TIniFile ini(file);
    for (const auto& [where, v] : model) {
        EXPECT_EQ(ini.ReadValue(where.first, where.second, "<default>"), v);
    }
    EXPECT_EQ(test::ReadFile(file).substr(0, preamble.size()), preamble);
    EXPECT_EQ(ini.ReadValue("other", "X", ""), "1");
}

}  // namespace
}  // namespace zembo
