#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/util/Result.h"

namespace radio {

// One record of a CSV text and the line it starts on (1-based), for messages.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

// Why a text is no CSV at all, and the line where the trouble starts.
struct CsvSyntaxError {
    int line = 0;
    std::string reason;
};

// RFC 4180: fields separated by ',' (or the given separator), records by CRLF or LF, quoted fields
// may hold ',',
// '"' (doubled) and line breaks. A UTF-8 byte-order mark is skipped; empty lines are no
// records. A quote that is never closed is an error at the line where it opens.
Result<std::vector<CsvRecord>, CsvSyntaxError> parseCsv(std::string_view text,
                                                        char separator = ',');

// One record with CRLF, each field quoted when it needs to be.
std::string csvLine(const std::vector<std::string>& fields);

}  // namespace radio
