// Loads arbitrary bytes as an INI file, saves and reloads it: the reloaded store must answer
// every section and key as the first did, and saving again must give the same bytes.
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/config/IniFile.h"
#include "core/config/NameCompare.h"
#include "core/util/FileIo.h"
#include "FuzzFolder.h"

namespace {


// What get answers for every key of every section, in file order.
std::vector<std::string> answers(const radio::IniFile& ini) {
    std::vector<std::string> result;
    std::vector<std::string> sections{""};
    ini.sectionNames(sections);
    for (const std::string& section : sections) {
        std::vector<std::string> keys;
        ini.keyNames(section, keys);
        for (const std::string& key : keys) {
            result.push_back(section + '\0' + key + '\0' + ini.get(section, key, "?") + '\0' +
                             ini.getListItem(section, key, 1, '|'));
        }
    }
    return result;
}

// Makes the store dirty without changing its content: adds a section no lookup can confuse
// with an existing one and deletes it again.
void touch(radio::IniFile& ini) {
    std::vector<std::string> names;
    ini.sectionNames(names);
    std::string fresh = "touch";
    for (bool taken = true; taken;) {
        fresh += 'x';
        taken = false;
        for (const std::string& name : names) {
            taken = taken || radio::namesEqualNoCase(name, fresh);
        }
    }
    if (!ini.set(fresh, "k", "v") || !ini.deleteSection(fresh) || !ini.dirty()) {
        std::abort();
    }
}

radio::Bytes saveAndRead(radio::IniFile& ini, const std::string& path) {
    touch(ini);
    auto saved = ini.save(false);
    if (!saved || !saved.value().empty()) {
        std::abort();
    }
    auto bytes = radio::readFileBytes(path);
    if (!bytes) {
        std::abort();
    }
    return bytes.value();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = radio::fuzz::folder("ini-fuzz") + "/Program.ini";
    if (!radio::writeFileAtomically(path, radio::Bytes(data, data + size))) {
        std::abort();
    }
    radio::IniFile first;
    if (!first.load(path, false, true, false)) {
        std::abort();
    }
    const std::vector<std::string> before = answers(first);
    const radio::Bytes written = saveAndRead(first, path);

    radio::IniFile second;
    if (!second.load(path, false, true, false) || answers(second) != before) {
        std::abort();
    }
    if (saveAndRead(second, path) != written) {
        std::abort();
    }
    return 0;
}
