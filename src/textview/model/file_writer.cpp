#include "textview/model/file_writer.h"

#include <exception>
#include <utility>

namespace veyrin {

TSynEditFileWriter::TSynEditFileWriter(Sink sink) : sink_(std::move(sink)) { buffer_.reserve(capacity_); }

TSynEditFileWriter::~TSynEditFileWriter() {
    // A writer unwound by an error must not raise a second one.
    if (std::uncaught_exceptions() == 0) flush();
}

void TSynEditFileWriter::writeLine(std::string_view text, std::string_view lineBreak) {
    size_t needed = text.size() + lineBreak.size();
    if (buffer_.size() + needed > capacity_) flush();
    if (needed > capacity_) {
        capacity_ = needed;
        buffer_.reserve(capacity_);
    }
    buffer_.append(text);
    buffer_.append(lineBreak);
}

void TSynEditFileWriter::flush() {
    if (buffer_.empty()) return;
    sink_(buffer_);
    buffer_.clear();
}

}  // namespace veyrin
