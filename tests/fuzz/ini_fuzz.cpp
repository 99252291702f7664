// Loads arbitrary bytes as an INI file, saves and reloads it: the reloaded store must answer
// every section and key as the first did, and saving again must give the same bytes.
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/config/IniFile.h"
#include "core/util/FileIo.h"

namespace {

std::string folder() {
    static const std::string path = [] {
        char pattern[] = "/tmp/ini-fuzz-XXXXXX";
        if (mkdtemp(pattern) == nullptr) {
            std::abort();
        }
        return std::string(pattern);
    }();
    return path;
}

struct Answers {
    std::vector<std::string> values;
};

Answers answers(const radio::IniFile& ini) {
    Answers result;
    std::vector<std::string> sections;
    ini.sectionNames(sections);
    sections.push_back("");
    for (const std::string& section : sections) {
        std::vector<std::string> keys;
        ini.keyNames(section, keys);
        for (const std::string& key : keys) {
            result.values.push_back(section + "\x01" + key + "\x01" + ini.get(section, key, "?"));
        }
    }
    return result;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = folder() + "/Program.ini";
    if (!radio::writeFileAtomically(path, radio::Bytes(data, data + size))) {
        std::abort();
    }
    radio::IniFile first;
    if (!first.load(path, false, true, false)) {
        std::abort();
    }
    const Answers before = answers(first);
    first.set("Fuzz", "Key", "value");  // something to save
    first.deleteKey("Fuzz", "Key");
    if (!first.save(false)) {
        std::abort();
    }
    const radio::Bytes written = radio::readFileBytes(path).value();

    radio::IniFile second;
    if (!second.load(path, false, true, false)) {
        std::abort();
    }
    // A section without a name cannot be written as a header, so its keys join the section
    // before it; only inputs without such headers must answer identically.
    std::vector<std::string> names;
    first.sectionNames(names);
    const bool unnamedHeader = [&] {
        std::string text(reinterpret_cast<const char*>(data), size);
        return text.find("[]") != std::string::npos;
    }();
    if (!unnamedHeader && answers(second).values != before.values) {
        std::abort();
    }
    second.set("Fuzz", "Key", "value");
    second.deleteKey("Fuzz", "Key");
    if (!second.save(false) || radio::readFileBytes(path).value() != written) {
        std::abort();
    }
    return 0;
}
