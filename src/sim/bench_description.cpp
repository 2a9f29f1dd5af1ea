// The bench description: an INI file that says which units are attached and how they start.
//
//   [bench]       transmission, seed
//   [lamp N]      a lamp source at unit N
//   [led N]       an LED source at unit N
//   [meter N]     a power meter at unit N
//
// A family without any section keeps its default (a lamp at 0, a meter at 0, no LED source).
// Lines that cannot be used are reported on stderr and skipped; the rest still applies.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "sim/bench_model.h"
#include "sim/text_values.h"

namespace varden::sim {

namespace {

constexpr long long kHighestUnit = 253;

void Report(const std::string& origin, int line, const std::string& why) {
    std::cerr << "varden bench: " << origin << ':' << line << ": " << why << "; line ignored\n";
}

struct Section {
    enum Kind { kNone, kBench, kUnit } kind = kNone;
    Family family = Family::kLamp;
    uint16_t unit = 0;
};

// "[bench]", "[lamp 2]", "[meter 0]", "[led 1]"; empty when the header is not one of these.
std::optional<Section> ParseHeader(std::string_view inside) {
    const std::string text = Lower(Trim(inside));
    Section section;
    if (text == "bench") {
        section.kind = Section::kBench;
        return section;
    }
    const std::size_t blank = text.find_first_of(" \t");
    if (blank == std::string::npos) {
        return std::nullopt;
    }
    const std::string_view name = std::string_view(text).substr(0, blank);
    if (name == "lamp") {
        section.family = Family::kLamp;
    } else if (name == "meter") {
        section.family = Family::kMeter;
    } else if (name == "led") {
        section.family = Family::kLed;
    } else {
        return std::nullopt;
    }
    auto unit = ParseWhole(std::string_view(text).substr(blank), 0, kHighestUnit);
    if (!unit) {
        return std::nullopt;
    }
    section.kind = Section::kUnit;
    section.unit = static_cast<uint16_t>(*unit);
    return section;
}

}  // namespace

int Bench::LoadDescription(std::string_view text, const std::string& origin) {
    Clear();
    bool described[3] = {false, false, false};
    Section section;
    bool sectionUsable = true;
    int skipped = 0;
    int lineNumber = 0;
    std::istringstream lines{std::string(text)};
    std::string rawLine;
    while (std::getline(lines, rawLine)) {
        ++lineNumber;
        std::string_view line = Trim(rawLine);
        if (lineNumber == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") {
            line = Trim(line.substr(3));  // a byte-order mark left by some editors
        }
        if (line.empty() || line.front() == '#' || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            auto header =
                line.back() == ']' ? ParseHeader(line.substr(1, line.size() - 2)) : std::nullopt;
            if (!header) {
                Report(origin, lineNumber,
                       "unknown section (expected [bench], [lamp N], [led N] or [meter N] with N "
                       "from 0 to 253), so are the lines up to the next section");
                ++skipped;
                section = Section{};
                sectionUsable = false;
                continue;
            }
            section = *header;
            sectionUsable = true;
            if (section.kind == Section::kUnit) {
                described[static_cast<int>(section.family)] = true;
                Attach(section.family, section.unit);
            }
            continue;
        }
        if (!sectionUsable) {
            ++skipped;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            Report(origin, lineNumber, "expected name = value");
            ++skipped;
            continue;
        }
        const std::string key = Lower(Trim(line.substr(0, equals)));
        const std::string_view value = Trim(line.substr(equals + 1));
        std::string refusal;
        switch (section.kind) {
            case Section::kNone: refusal = "value outside any section"; break;
            case Section::kBench: refusal = SetBenchValue(key, value); break;
            case Section::kUnit:
                refusal =
                    section.family == Family::kMeter
                        ? SetMeterValue(*KnownMeter(section.unit), key, value)
                        : SetSourceValue(*KnownSource(section.family, section.unit), key, value);
                break;
        }
        if (!refusal.empty()) {
            Report(origin, lineNumber, "'" + key + "' " + refusal);
            ++skipped;
        }
    }
    if (!described[static_cast<int>(Family::kLamp)]) {
        Attach(Family::kLamp, 0);
    }
    if (!described[static_cast<int>(Family::kMeter)]) {
        Attach(Family::kMeter, 0);
    }
    return skipped;
}

int Bench::LoadDescriptionFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::cerr << "varden bench: cannot read the bench description " << path
                  << "; using the default bench\n";
        LoadDefaults();
        return -1;
    }
    std::ostringstream content;
    content << file.rdbuf();
    return LoadDescription(content.str(), path);
}

void Bench::LoadFromEnvironment() {
    const char* path = std::getenv(kBenchFileVariable);
    if (path == nullptr || *path == '\0') {
        LoadDefaults();
        return;
    }
    LoadDescriptionFile(path);
}

}  // namespace varden::sim
