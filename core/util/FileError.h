#pragma once

#include <cstdint>
#include <string>

#include "core/text/Language.h"

namespace radio {

// Why a file could not be read or written; message() is what the user sees.
struct FileError {
    enum class Kind {
        NotFound,     // no such file
        IsDirectory,  // the name is a folder
        NotRegular,   // a pipe, device or socket: reading it could wait for ever
        Unreadable,   // open or read failed; reason holds the system's text
        Empty,        // zero bytes
        TooShort,     // fewer bytes than needed; size holds the length found
        TooLarge,     // more bytes than such a file can hold; expected holds the limit
        ReadOnly,     // the file exists and is read-only: it was left alone
        NotWritable,  // the new file could not be created or written; reason holds why
        NotReplaced,  // the new file was written but could not take the old one's place
    };

    Kind kind = Kind::Unreadable;
    std::string path;
    std::string reason;
    std::uintmax_t size = 0;
    std::uintmax_t expected = 0;
    bool existed = true;  // a failed write left an old file as it was; false: nothing written

    std::string message(Language language) const;
};

}  // namespace radio
