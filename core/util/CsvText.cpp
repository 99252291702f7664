#include "core/util/CsvText.h"

namespace radio {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool needsQuotes(std::string_view field) {
    return field.find_first_of(",\"\r\n") != std::string_view::npos ||
           (!field.empty() && (field.front() == ' ' || field.back() == ' '));
}

// Reads records one character at a time; a small state machine keeps quoted line breaks
// inside their field.
class CsvReader {
  public:
    CsvReader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    Result<std::vector<CsvRecord>, CsvSyntaxError> read() {
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (quoted_) {
                readQuoted(c);
            } else if (c == '"' && field_.empty() && !fieldStarted_) {
                quoted_ = true;
                fieldStarted_ = true;
                quoteLine_ = line_;
            } else if (c == separator_) {
                endField();
            } else if (c == '\r' || c == '\n') {
                if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') {
                    ++at_;
                }
                endRecord();
                ++line_;
            } else {
                field_ += c;
                fieldStarted_ = true;
            }
        }
        if (quoted_) {
            return Result<std::vector<CsvRecord>, CsvSyntaxError>::failure(
                {quoteLine_, "a quoted field is not closed"});
        }
        endRecord();
        return records_;
    }

  private:
    void readQuoted(char c) {
        if (c != '"') {
            field_ += c;
            if (c == '\n') {
                ++line_;
            }
            return;
        }
        if (at_ < text_.size() && text_[at_] == '"') {
            field_ += '"';
            ++at_;
        } else {
            quoted_ = false;
        }
    }

    void endField() {
        record_.fields.push_back(std::move(field_));
        field_.clear();
        fieldStarted_ = false;
    }

    void endRecord() {
        const bool empty = record_.fields.empty() && field_.empty() && !fieldStarted_;
        if (!empty) {
            endField();
            record_.line = recordLine_;
            records_.push_back(std::move(record_));
        }
        record_ = {};
        recordLine_ = line_ + 1;
    }

    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
    int line_ = 1;
    int recordLine_ = 1;
    int quoteLine_ = 1;
    bool quoted_ = false;
    bool fieldStarted_ = false;
    std::string field_;
    CsvRecord record_;
    std::vector<CsvRecord> records_;
};

}  // namespace

Result<std::vector<CsvRecord>, CsvSyntaxError> parseCsv(std::string_view text, char separator) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    return CsvReader(text, separator).read();
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        const std::string& field = fields[i];
        if (!needsQuotes(field)) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) {
            line += c;
            if (c == '"') {
                line += '"';
            }
        }
        line += '"';
    }
    return line + "\r\n";
}

}  // namespace radio
