#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/util/FileError.h"
#include "core/util/Result.h"

namespace radio {

// A whole INI file in memory: sections of key/value strings, read from memory, changed in
// memory and written back in one go. Works on bytes, so a file may be UTF-8 or GBK.
// Section 0 is the unnamed part before the first header. With duplicate names the first
// section and the last key win, as in the files this program has always read.
class IniFile {
  public:
    explicit IniFile(int growthStep = 4);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Loads fileName from the folder of programPath (the program's argv[0]; '/' and '\'
    // both separate folders; without one, the current folder).
    bool open(const std::string& fileName, const std::string& programPath, bool autoSave,
              bool caseInsensitive, bool backupOnSave);
    // Loads a file, creating it empty when it is missing. A file already loaded is saved
    // first (without backup) when auto-save is on, and cleared. A file that cannot be read
    // leaves nothing loaded, so no later save can write a part of it back.
    bool load(const std::string& path, bool autoSave, bool caseInsensitive, bool backupOnSave);

    // The value with comments cut off ("//", tab + ";", "/*"); the default when the key is
    // missing (trimmed when only the key is missing).
    std::string get(const std::string& section, const std::string& key,
                    const std::string& fallback = {}) const;
    std::string get(const std::string& key) const { return get({}, key, {}); }
    // Stores a value; false when nothing is loaded or a text holds a line break. A change of
    // letter case alone (with case-insensitive names) is stored but does not make it dirty.
    bool set(const std::string& section, const std::string& key, const std::string& value);
    bool set(const std::string& key, const std::string& value) { return set({}, key, value); }

    // Writes the file when something changed, atomically, after copying the old file to the
    // backup name when asked. The value is the backup name used (empty when none); on a
    // failure the old file is left as it was and the store stays dirty.
    Result<std::string, FileError> save(bool makeBackup);

    bool deleteKey(const std::string& section, const std::string& key);
    // Deleting the unnamed section empties it; it stays in place.
    bool deleteSection(const std::string& section);
    void sectionNames(std::vector<std::string>& names) const;
    void keyNames(const std::string& section, std::vector<std::string>& keys) const;
    // Item `index` of a value split at `separator`, trimmed; empty when there is none.
    std::string getListItem(const std::string& section, const std::string& key, int index,
                            char separator) const;

    bool autoSave() const { return autoSave_; }
    void setAutoSave(bool on) { autoSave_ = on; }
    void setBackupName(std::string name) { backupName_ = std::move(name); }
    const std::string& backupName() const { return backupName_; }
    void clear();
    bool dirty() const { return dirty_; }
    const std::string& path() const { return path_; }
    // Later saves go to this file; what is loaded stays. Shipped defaults are read from one
    // place and the user's changes written to another.
    void setPath(std::string path) { path_ = std::move(path); }

    // The name of the next numbered backup of a file: path.001, path.002, ...
    static std::string nextBackupName(const std::string& path);

  private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };

    bool namesEqual(const std::string& a, const std::string& b) const;
    int findSection(const std::string& name) const;
    int findKey(const Section& section, const std::string& key) const;
    void parse(const std::string& text);
    std::string serialize() const;

    int growthStep_;
    std::vector<Section> sections_;
    bool caseInsensitive_ = true;
    bool autoSave_ = false;
    bool backupOnSave_ = false;
    std::string backupName_;
    bool dirty_ = false;
    std::string path_;
};

}  // namespace radio
