#include "textview/model/line_store.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <iterator>
#include <ostream>
#include <utility>

#include "platform/model/program_path.h"
#include "textview/model/file_writer.h"

namespace veyrin {

std::string_view lineBreakOf(TSynEditFileFormat format) {
    switch (format) {
        case sffUnix: return "\n";
        case sffMac: return "\r";
        case sffDos: break;
    }
    return "\r\n";
}

namespace {

constexpr int kSmallListGrowth = 16;
constexpr int kSmallListLimit = 64;

int grownCapacity(int capacity) {
    return capacity <= kSmallListLimit ? capacity + kSmallListGrowth : capacity + capacity / 4;
}

bool isBlankByte(char c) { return static_cast<unsigned char>(c) <= 0x20; }

bool isBlankLine(std::string_view line) { return std::all_of(line.begin(), line.end(), isBlankByte); }

bool endsWithBreak(std::string_view bytes) {
    return !bytes.empty() && (bytes.back() == '\r' || bytes.back() == '\n');
}

// Next occurrence of `c` at or after `from`, or `end`.
const char* findOrEnd(const char* from, const char* end, char c) {
    const void* hit = std::memchr(from, c, static_cast<size_t>(end - from));
    return hit ? static_cast<const char*>(hit) : end;
}

}  // namespace

// Brackets a mutation in BeginUpdate / EndUpdate, also when it fails half-way.
class TSynEditStringList::UpdateScope {
public:
    explicit UpdateScope(TSynEditStringList& list) : list_(list) { list_.BeginUpdate(); }
    ~UpdateScope() { list_.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    TSynEditStringList& list_;
};

TSynEditStringList::TSynEditStringList() : convertTabs_(bestTabConverter(tabWidth_)) {}

TSynEditStringList::~TSynEditStringList() = default;

void TSynEditStringList::addObserver(ISynLinesObserver* observer) { observers_.push_back(observer); }

void TSynEditStringList::removeObserver(ISynLinesObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void TSynEditStringList::notifyChanged(const TSynLinesChange& change) {
    for (ISynLinesObserver* observer : observers_) observer->linesChanged(change);
}

void TSynEditStringList::BeginUpdate() {
    if (updateCount_++ == 0)
        for (ISynLinesObserver* observer : observers_) observer->linesChanging();
}

void TSynEditStringList::EndUpdate() {
    if (--updateCount_ == 0)
        for (ISynLinesObserver* observer : observers_) observer->linesChangeEnded();
}

void TSynEditStringList::checkIndex(int index, int last) const {
    if (index < 0 || index > last) throw ESynEditStringList("Invalid stringlist index " + std::to_string(index));
}

void TSynEditStringList::SetCapacity(int capacity) {
    if (capacity < Count()) throw EStringListError("Stringlist capacity cannot be smaller than count");
    if (capacity == capacity_) return;
    std::vector<TSynEditStringRec> resized;
    resized.reserve(static_cast<size_t>(capacity));
    std::move(items_.begin(), items_.end(), std::back_inserter(resized));
    items_ = std::move(resized);
    capacity_ = capacity;
}

void TSynEditStringList::growIfFull() {
    if (Count() == capacity_) SetCapacity(grownCapacity(capacity_));
}

void TSynEditStringList::ensureCapacityFor(int total) {
    if (total > capacity_) SetCapacity((total + 15) / 16 * 16);
}

std::string TSynEditStringList::Get(int index) const { return std::string(GetView(index)); }

std::string_view TSynEditStringList::GetView(int index) const {
    if (index < 0 || index >= Count()) return {};
    return items_[static_cast<size_t>(index)].fString.view();
}

void* TSynEditStringList::GetObject(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return items_[static_cast<size_t>(index)].fObject;
}

std::int32_t TSynEditStringList::GetRange(int index) const {
    if (index < 0 || index >= Count()) return -1;
    return items_[static_cast<size_t>(index)].fRange;
}

void TSynEditStringList::insertRecord(int index, TLineText text) {
    growIfFull();
    TSynEditStringRec rec;
    rec.fString = std::move(text);
    items_.insert(items_.begin() + index, std::move(rec));
    indexOfLongestLine_ = -1;
    notifyChanged({index, 0, 1});
}

int TSynEditStringList::appendLine(TLineText text) {
    UpdateScope update(*this);
    int index = Count();
    insertRecord(index, std::move(text));
    return index;
}

int TSynEditStringList::Add(std::string_view text) { return appendLine(TLineText::owned(text)); }

void TSynEditStringList::Insert(int index, std::string_view text) {
    checkIndex(index, Count());
    UpdateScope update(*this);
    insertRecord(index, TLineText::owned(text));
}

void TSynEditStringList::Put(int index, std::string_view text) {
    if (index == Count()) {
        Add(text);
        return;
    }
    checkIndex(index, Count() - 1);
    UpdateScope update(*this);
    TSynEditStringRec& rec = items_[static_cast<size_t>(index)];
    rec.fString = TLineText::owned(text);
    rec.fExpandedLength = -1;
    rec.fFlags = sfExpandedLengthUnknown;
    indexOfLongestLine_ = -1;
    notifyChanged({index, 1, 1});
}

void TSynEditStringList::PutObject(int index, void* object) {
    checkIndex(index, Count() - 1);
    UpdateScope update(*this);
    items_[static_cast<size_t>(index)].fObject = object;
}

void TSynEditStringList::PutRange(int index, std::int32_t range) {
    checkIndex(index, Count() - 1);
    items_[static_cast<size_t>(index)].fRange = range;
}

void TSynEditStringList::Delete(int index) {
    checkIndex(index, Count() - 1);
    UpdateScope update(*this);
    items_.erase(items_.begin() + index);
    indexOfLongestLine_ = -1;
    notifyChanged({index, 1, 0});
}

void TSynEditStringList::Exchange(int index1, int index2) {
    checkIndex(index1, Count() - 1);
    checkIndex(index2, Count() - 1);
    UpdateScope update(*this);
    std::swap(items_[static_cast<size_t>(index1)], items_[static_cast<size_t>(index2)]);
    if (indexOfLongestLine_ == index1) {
        indexOfLongestLine_ = index2;
    } else if (indexOfLongestLine_ == index2) {
        indexOfLongestLine_ = index1;
    }
}

void TSynEditStringList::Clear() {
    indexOfLongestLine_ = -1;
    if (items_.empty()) {
        buffers_.clear();
        return;
    }
    UpdateScope update(*this);
    const int removed = Count();
    std::vector<TSynEditStringRec>().swap(items_);
    buffers_.clear();
    capacity_ = 0;
    notifyChanged({0, removed, 0, true});
}

void TSynEditStringList::adoptBuffersOf(const TSynEditStringList& other) {
    for (const auto& buffer : other.buffers_) {
        if (std::find(buffers_.begin(), buffers_.end(), buffer) == buffers_.end()) buffers_.push_back(buffer);
    }
}

void TSynEditStringList::AddStrings(const TSynEditStringList& other) {
    int added = other.Count();
    if (added == 0) return;
    UpdateScope update(*this);
    int first = Count();
    ensureCapacityFor(first + added);
    adoptBuffersOf(other);
    for (int i = 0; i < added; ++i) {
        const TSynEditStringRec& source = other.items_[static_cast<size_t>(i)];
        TSynEditStringRec rec;
        // Borrowed text stays borrowed: the buffer it lives in is now shared with this list.
        rec.fString = source.fString.isOwned() ? TLineText::owned(source.fString.view())
                                               : TLineText::borrowed(source.fString.view());
        rec.fObject = source.fObject;
        items_.push_back(std::move(rec));
    }
    indexOfLongestLine_ = -1;
    notifyChanged({first, 0, added});
}

void TSynEditStringList::AddStrings(const std::vector<std::string>& lines) {
    if (lines.empty()) return;
    UpdateScope update(*this);
    int first = Count();
    int added = static_cast<int>(lines.size());
    ensureCapacityFor(first + added);
    for (const std::string& line : lines) {
        TSynEditStringRec rec;
        rec.fString = TLineText::owned(line);
        items_.push_back(std::move(rec));
    }
    indexOfLongestLine_ = -1;
    notifyChanged({first, 0, added});
}

void TSynEditStringList::Assign(const TSynEditStringList& other) {
    if (&other == this) return;
    UpdateScope update(*this);
    Clear();
    AddStrings(other);
}

void TSynEditStringList::Assign(const std::vector<std::string>& lines) {
    UpdateScope update(*this);
    Clear();
    AddStrings(lines);
}

std::string_view TSynEditStringList::keepBuffer(std::string bytes) {
    auto buffer = std::make_shared<const std::string>(std::move(bytes));
    buffers_.push_back(buffer);
    return *buffer;
}

TSynEditStringList::BreaksSeen TSynEditStringList::splitIntoLines(std::string_view bytes) {
    BreaksSeen seen;
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    // The next CR and LF are remembered, so a file without one of them is searched for it only once.
    const char* nextCr = findOrEnd(p, end, '\r');
    const char* nextLf = findOrEnd(p, end, '\n');
    while (p < end) {
        if (nextCr < p) nextCr = findOrEnd(p, end, '\r');
        if (nextLf < p) nextLf = findOrEnd(p, end, '\n');
        const char* stop = std::min(nextCr, nextLf);
        appendLine(TLineText::borrowed(std::string_view(p, static_cast<size_t>(stop - p))));
        p = stop;
        if (p < end && *p == '\r') {
            seen.cr = true;
            ++p;
        }
        if (p < end && *p == '\n') {
            seen.lf = true;
            ++p;
        }
    }
    if (!appendFinalLineBreak_ && endsWithBreak(bytes)) appendLine(TLineText());
    return seen;
}

void TSynEditStringList::trimTrailingBlankLines() {
    while (!items_.empty() && isBlankLine(items_.back().fString.view())) Delete(Count() - 1);
}

void TSynEditStringList::SetTextStr(std::string_view text) {
    UpdateScope update(*this);
    Clear();
    if (!text.empty()) splitIntoLines(keepBuffer(std::string(text)));
}

std::string TSynEditStringList::GetTextStr() const {
    size_t total = 0;
    for (const auto& rec : items_) total += rec.fString.view().size() + 2;
    std::string text;
    text.reserve(total);
    for (const auto& rec : items_) {
        text.append(rec.fString.view());
        text.append("\r\n");
    }
    if (!text.empty()) text.resize(text.size() - 2);
    return text;
}

void TSynEditStringList::LoadFromBytes(std::string bytes) {
    BreaksSeen seen;
    {
        UpdateScope update(*this);
        Clear();
        if (!bytes.empty()) {
            seen = splitIntoLines(keepBuffer(std::move(bytes)));
            if (trimTrailingBlankLines_) trimTrailingBlankLines();
        }
    }
    if (seen.cr && !seen.lf) {
        fileFormat_ = sffMac;
    } else if (seen.lf && !seen.cr) {
        fileFormat_ = sffUnix;
    } else {
        fileFormat_ = sffDos;
    }
}

void TSynEditStringList::LoadFromStream(std::istream& stream) {
    stream.clear();
    stream.seekg(0, std::ios::end);
    std::streamoff size = stream.tellg();
    stream.seekg(0, std::ios::beg);
    if (size < 0 || !stream) throw AppError("Stream read error");
    std::string bytes(static_cast<size_t>(size), '\0');
    stream.read(bytes.data(), size);
    if (stream.gcount() != size) throw AppError("Stream read error");
    LoadFromBytes(std::move(bytes));
}

void TSynEditStringList::LoadFromFile(const std::filesystem::path& base, const std::string& programPath) {
    // Reading first means a file that cannot be opened leaves the list and its format untouched.
    LoadFromBytes(readWholeFile(base, programPath));
}

namespace {

void writeLines(const std::vector<TSynEditStringRec>& items, std::string_view lineBreak, bool finalBreak,
                TSynEditFileWriter& writer) {
    for (size_t i = 0; i < items.size(); ++i) {
        bool last = i + 1 == items.size();
        writer.writeLine(items[i].fString.view(), last && !finalBreak ? std::string_view() : lineBreak);
    }
    writer.flush();
}

}  // namespace

void TSynEditStringList::SaveToStream(std::ostream& stream) const {
    TSynEditFileWriter writer([&stream](std::string_view bytes) {
        stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    });
    writeLines(items_, lineBreakOf(fileFormat_), appendFinalLineBreak_, writer);
    if (!stream) throw AppError("Stream write error");
}

void TSynEditStringList::SaveToFile(const std::filesystem::path& base, const std::string& programPath) const {
    std::string bytes;
    size_t total = 0;
    for (const auto& rec : items_) total += rec.fString.view().size() + 2;
    bytes.reserve(total);
    {
        TSynEditFileWriter writer([&bytes](std::string_view chunk) { bytes.append(chunk); });
        writeLines(items_, lineBreakOf(fileFormat_), appendFinalLineBreak_, writer);
    }
    writeFileAtomically(base, programPath, bytes);
}

void TSynEditStringList::SetTabWidth(int tabWidth) {
    if (tabWidth == tabWidth_) return;
    tabWidth_ = tabWidth;
    convertTabs_ = bestTabConverter(tabWidth);
    indexOfLongestLine_ = -1;
    for (auto& rec : items_) {
        rec.fExpandedLength = -1;
        rec.fFlags = sfExpandedLengthUnknown;
    }
}

void TSynEditStringList::measureExpanded(const TSynEditStringRec& rec) const {
    if (!(rec.fFlags & sfExpandedLengthUnknown)) return;
    std::string_view text = rec.fString.view();
    bool hasTabs = !text.empty() && std::memchr(text.data(), '\t', text.size()) != nullptr;
    rec.fExpandedLength = hasTabs ? expandedLength(text, tabWidth_) : static_cast<std::int32_t>(text.size());
    rec.fFlags = hasTabs ? sfHasTabs : sfHasNoTabs;
}

std::string TSynEditStringList::ExpandedString(int index) const {
    std::string scratch;
    return std::string(ExpandedView(index, scratch));
}

std::string_view TSynEditStringList::ExpandedView(int index, std::string& scratch) const {
    if (index < 0 || index >= Count()) return {};
    const TSynEditStringRec& rec = items_[static_cast<size_t>(index)];
    measureExpanded(rec);
    if (rec.fFlags & sfHasNoTabs) return rec.fString.view();
    scratch = convertTabs_(rec.fString.view(), tabWidth_);
    return scratch;
}

int TSynEditStringList::ExpandedStringLength(int index) const {
    if (index < 0 || index >= Count()) return 0;
    const TSynEditStringRec& rec = items_[static_cast<size_t>(index)];
    measureExpanded(rec);
    return rec.fExpandedLength;
}

int TSynEditStringList::LengthOfLongestLine() const {
    if (indexOfLongestLine_ < 0) {
        int longest = -1;
        for (int i = 0; i < Count(); ++i) {
            if (indexOfLongestLine_ < 0 || ExpandedStringLength(i) > longest) {
                longest = ExpandedStringLength(i);
                indexOfLongestLine_ = i;
            }
        }
    }
    return indexOfLongestLine_ < 0 ? 0 : ExpandedStringLength(indexOfLongestLine_);
}

}  // namespace veyrin
