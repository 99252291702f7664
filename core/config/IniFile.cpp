#include "core/config/IniFile.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/config/NameCompare.h"
#include "core/util/CRuntimeText.h"
#include "core/util/FileIo.h"

namespace radio {

namespace fs = std::filesystem;

namespace {

bool isCommentKey(const std::string& key) {
    return !key.empty() && (key[0] == ';' || key[0] == '/' || key[0] == '\\' || key[0] == '*');
}

void cutAt(std::string& value, std::string_view marker) {
    const auto at = value.find(marker);
    if (at != std::string::npos) {
        value.erase(at);
    }
}

std::string folderOf(const std::string& programPath) {
    const auto slash = programPath.find_last_of("/\\");
    if (slash == std::string::npos) {
        std::error_code ec;
        const fs::path current = fs::current_path(ec);
        return ec ? std::string(".") : current.string();
    }
    return programPath.substr(0, slash);
}

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != text.npos;
}

}  // namespace

IniFile::IniFile(int growthStep) : growthStep_(std::max(1, growthStep)) {}

IniFile::~IniFile() {
    if (autoSave_ && !path_.empty()) {
        save(backupOnSave_);
    }
    clear();
}

bool IniFile::namesEqual(const std::string& a, const std::string& b) const {
    return caseInsensitive_ ? namesEqualNoCase(a, b) : a == b;
}

bool IniFile::open(const std::string& fileName, const std::string& programPath, bool autoSave,
                   bool caseInsensitive, bool backupOnSave) {
    return load(folderOf(programPath) + "/" + fileName, autoSave, caseInsensitive, backupOnSave);
}

bool IniFile::load(const std::string& path, bool autoSave, bool caseInsensitive,
                   bool backupOnSave) {
    if (!path_.empty()) {
        if (autoSave_) {
            save(false);
        }
        clear();
    }
    autoSave_ = autoSave;
    caseInsensitive_ = caseInsensitive;
    backupOnSave_ = backupOnSave;

    std::error_code ec;
    if (!fs::exists(path, ec)) {
        // A missing file is created empty, so a later save has a place to go.
        if (!writeFileAtomically(path, {})) {
            return false;
        }
    }
    auto bytes = readFileBytes(path);
    if (!bytes) {
        return false;
    }
    path_ = path;
    sections_.reserve(static_cast<std::size_t>(growthStep_));
    sections_.push_back({});
    parse(std::string(bytes.value().begin(), bytes.value().end()));
    return true;
}

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

void IniFile::parse(const std::string& text) {
    // Notepad starts a UTF-8 file with a byte-order mark; it is not part of the first line.
    std::size_t start = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = trim(std::string_view(text).substr(start, end - start));
        start = end + 1;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            sections_.push_back({line.substr(1, line.size() - 2), {}});
            continue;
        }
        const auto equals = line.find('=');
        std::string key = trim(std::string_view(line).substr(0, equals));
        if (key.empty() || isCommentKey(key)) {
            continue;
        }
        std::string value = equals == std::string::npos
                                ? std::string()
                                : trim(std::string_view(line).substr(equals + 1));
        sections_.back().entries.emplace_back(std::move(key), std::move(value));
    }
}

int IniFile::findSection(const std::string& name) const {
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        if (namesEqual(sections_[i].name, name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int IniFile::findKey(const Section& section, const std::string& key) const {
    for (std::size_t i = section.entries.size(); i-- > 0;) {
        if (namesEqual(section.entries[i].first, key)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string IniFile::get(const std::string& section, const std::string& key,
                         const std::string& fallback) const {
    const int s = findSection(section);
    if (s < 0) {
        return fallback;
    }
    const Section& found = sections_[static_cast<std::size_t>(s)];
    const int k = findKey(found, key);
    if (k < 0) {
        return trim(fallback);
    }
    std::string value = found.entries[static_cast<std::size_t>(k)].second;
    cutAt(value, "//");
    cutAt(value, "\t;");
    cutAt(value, "/*");
    return value;
}

bool IniFile::set(const std::string& section, const std::string& key, const std::string& value) {
    // A line break would be written as a line of its own and come back as other entries.
    if (path_.empty() || hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value)) {
        return false;
    }
    int s = findSection(section);
    if (s < 0) {
        dirty_ = true;
        sections_.push_back({section, {}});
        s = static_cast<int>(sections_.size()) - 1;
    }
    Section& target = sections_[static_cast<std::size_t>(s)];
    const int k = findKey(target, key);
    if (k < 0) {
        dirty_ = true;
        target.entries.emplace_back(key, value);
        return true;
    }
    std::string& stored = target.entries[static_cast<std::size_t>(k)].second;
    if (!namesEqual(stored, value)) {
        dirty_ = true;
    }
    stored = value;
    return true;
}

std::string IniFile::serialize() const {
    std::string text;
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const Section& section = sections_[i];
        // Only the unnamed first section goes without a header; a later "[]" keeps its own,
        // or its keys would come back as keys of the section before it.
        if (i > 0) {
            text += "[" + section.name + "]\r\n";
        }
        for (const auto& [key, value] : section.entries) {
            text += key.empty() ? value : key + "=" + value;
            text += "\r\n";
        }
    }
    // A first key that starts with the mark (it stood on a later line) would lose it on the
    // next load, which takes one leading mark for Notepad's.
    if (text.starts_with(kByteOrderMark)) {
        text.insert(0, kByteOrderMark);
    }
    return text;
}

std::string IniFile::nextBackupName(const std::string& path) {
    // Only a dot in the file name counts: one in a folder name would search the wrong folder
    // and could hand out the name of an existing backup.
    const fs::path folder = fs::path(path).parent_path();
    const std::string name = fs::path(path).filename().string();
    const std::string prefix = name.substr(0, name.find_last_of('.'));
    int highest = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string found = it->path().filename().string();
        if (found.size() >= prefix.size() &&
            namesEqualNoCase(found.substr(0, prefix.size()), prefix)) {
            const std::string last = found.size() >= 3 ? found.substr(found.size() - 3) : found;
            highest = std::max(highest, leadingInt(last));
        }
    }
    char number[16];
    std::snprintf(number, sizeof number, "%.3d", highest + 1);
    return path + "." + number;
}

Result<std::string, FileError> IniFile::save(bool makeBackup) {
    using R = Result<std::string, FileError>;
    if (!dirty_ || path_.empty()) {
        return std::string();
    }
    std::string backup;
    if (makeBackup) {
        if (backupName_.empty()) {
            backupName_ = nextBackupName(path_);
        }
        std::error_code ec;
        fs::copy_file(path_, backupName_, fs::copy_options::overwrite_existing, ec);
        if (ec) {
            FileError error;
            error.kind = FileError::Kind::NotWritable;
            error.path = backupName_;
            error.reason = ec.message();
            return R::failure(error);
        }
        backup = backupName_;
    }
    const std::string text = serialize();
    if (auto written = writeFileAtomically(path_, Bytes(text.begin(), text.end())); !written) {
        return R::failure(written.error());
    }
    return backup;
}

bool IniFile::deleteKey(const std::string& section, const std::string& key) {
    const int s = findSection(section);
    if (s < 0) {
        return false;
    }
    auto& entries = sections_[static_cast<std::size_t>(s)].entries;
    const int k = findKey(sections_[static_cast<std::size_t>(s)], key);
    if (k < 0) {
        return false;
    }
    entries.erase(entries.begin() + k);
    dirty_ = true;
    return true;
}

bool IniFile::deleteSection(const std::string& section) {
    const int s = findSection(section);
    if (s < 0) {
        return false;
    }
    if (s == 0) {
        // Index 0 stays the unnamed section that two-argument get and set use.
        sections_.front().entries.clear();
    } else {
        sections_.erase(sections_.begin() + s);
    }
    dirty_ = true;
    return true;
}

void IniFile::sectionNames(std::vector<std::string>& names) const {
    for (const Section& section : sections_) {
        if (!section.name.empty()) {
            names.push_back(section.name);
        }
    }
}

void IniFile::keyNames(const std::string& section, std::vector<std::string>& keys) const {
    const int s = findSection(section);
    if (s < 0) {
        return;
    }
    for (const auto& entry : sections_[static_cast<std::size_t>(s)].entries) {
        keys.push_back(entry.first);
    }
}

std::string IniFile::getListItem(const std::string& section, const std::string& key, int index,
                                 char separator) const {
    const std::string value = trim(get(section, key, {}));
    if (value.empty() || value == "(null)" || index < 0) {
        return {};
    }
    std::size_t start = 0;
    for (int item = 0;; ++item) {
        const auto end = value.find(separator, start);
        if (item == index) {
            return trim(std::string_view(value).substr(
                start, end == std::string::npos ? std::string::npos : end - start));
        }
        if (end == std::string::npos) {
            return {};
        }
        start = end + 1;
    }
}

void IniFile::clear() {
    sections_.clear();
    path_.clear();
    dirty_ = false;
}

}  // namespace radio
