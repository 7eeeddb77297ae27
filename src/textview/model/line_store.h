#pragma once
// The text view's own line store: an ordered list of GBK lines with the file form the view reads and
// writes (line-break detection on load, the list's break style on save, no final break, trailing
// blank lines dropped), cached tab expansion, and change notices to any number of observers (the
// view model, the undo history) so every change reaches them however it was made.
//
// A file is read once into one buffer and split in place: lines read from it borrow their bytes from
// that buffer, which the list keeps alive; lines changed later own their bytes.

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/model/app_error.h"
#include "textview/model/line_text.h"
#include "textview/model/tab_expansion.h"

namespace veyrin {

enum TSynEditFileFormat : std::uint8_t { sffDos, sffUnix, sffMac };

// The bytes that end a line in each file format.
std::string_view lineBreakOf(TSynEditFileFormat format);

// A bad index in Put, PutObject, Insert, Delete or Exchange.
class ESynEditStringList : public AppError {
public:
    using AppError::AppError;
};

// The general list error (a capacity below the count).
class EStringListError : public AppError {
public:
    using AppError::AppError;
};

enum TSynEditStringFlag : std::uint8_t {
    sfHasTabs = 1,
    sfHasNoTabs = 2,
    sfExpandedLengthUnknown = 4,
};

struct TSynEditStringRec {
    TLineText fString;
    void* fObject = nullptr;
    std::int32_t fRange = -1;
    mutable std::int32_t fExpandedLength = -1;
    mutable std::uint8_t fFlags = sfExpandedLengthUnknown;
};

// One change of the lines: `removed` lines from 0-based index `first` gave way to `added` new ones.
// A replaced line is {index, 1, 1}; emptying the list is a reset, after which nothing of the old
// lines (positions, rows, history) means anything.
struct TSynLinesChange {
    int first = 0;
    int removed = 0;
    int added = 0;
    bool reset = false;
    friend bool operator==(const TSynLinesChange&, const TSynLinesChange&) = default;
};

// Changes arrive between one linesChanging and one linesChangeEnded per outermost update, so an
// observer can settle its state once after a batch.
class ISynLinesObserver {
public:
    virtual ~ISynLinesObserver() = default;
    virtual void linesChanging() {}
    virtual void linesChanged(const TSynLinesChange& change) = 0;
    virtual void linesChangeEnded() {}
};

class TSynEditStringList {
public:
    TSynEditStringList();
    ~TSynEditStringList();
    TSynEditStringList(const TSynEditStringList&) = delete;
    TSynEditStringList& operator=(const TSynEditStringList&) = delete;

    // Observers are told in the order they were added; each must be removed before it dies.
    void addObserver(ISynLinesObserver* observer);
    void removeObserver(ISynLinesObserver* observer);

    int Count() const { return static_cast<int>(items_.size()); }
    int Capacity() const { return capacity_; }
    void SetCapacity(int capacity);

    // Out-of-range reads answer empty / nil, never raise.
    std::string Get(int index) const;
    std::string_view GetView(int index) const;
    void* GetObject(int index) const;
    std::int32_t GetRange(int index) const;

    void Put(int index, std::string_view text);
    void PutObject(int index, void* object);
    void PutRange(int index, std::int32_t range);
    int Add(std::string_view text);
    void Insert(int index, std::string_view text);
    void Delete(int index);
    void Exchange(int index1, int index2);
    void Clear();
    void AddStrings(const TSynEditStringList& other);
    void AddStrings(const std::vector<std::string>& lines);
    // Begin update, Clear, AddStrings, end update. The file format is not copied.
    void Assign(const TSynEditStringList& other);
    void Assign(const std::vector<std::string>& lines);

    // Splits like a load (CR, LF, CR LF, LF CR) but keeps trailing blank lines and the format.
    void SetTextStr(std::string_view text);
    // Lines joined with CR LF, no break after the last line.
    std::string GetTextStr() const;

    void LoadFromStream(std::istream& stream);
    void LoadFromBytes(std::string bytes);
    void LoadFromFile(const std::filesystem::path& base, const std::string& programPath);
    void SaveToStream(std::ostream& stream) const;
    void SaveToFile(const std::filesystem::path& base, const std::string& programPath) const;

    TSynEditFileFormat FileFormat() const { return fileFormat_; }
    void SetFileFormat(TSynEditFileFormat format) { fileFormat_ = format; }

    int TabWidth() const { return tabWidth_; }
    void SetTabWidth(int tabWidth);
    std::string ExpandedString(int index) const;
    // The expanded text without copying when the line has no tabs; otherwise built into scratch.
    std::string_view ExpandedView(int index, std::string& scratch) const;
    int ExpandedStringLength(int index) const;
    int LengthOfLongestLine() const;

    void BeginUpdate();
    void EndUpdate();
    bool IsUpdating() const { return updateCount_ > 0; }

private:
    class UpdateScope;
    struct BreaksSeen {
        bool cr = false;
        bool lf = false;
    };

    void checkIndex(int index, int last) const;
    void growIfFull();
    void ensureCapacityFor(int total);
    void insertRecord(int index, TLineText text);
    int appendLine(TLineText text);
    BreaksSeen splitIntoLines(std::string_view bytes);
    void trimTrailingBlankLines();
    std::string_view keepBuffer(std::string bytes);
    void adoptBuffersOf(const TSynEditStringList& other);
    void measureExpanded(const TSynEditStringRec& rec) const;
    void notifyChanged(const TSynLinesChange& change);

    std::vector<TSynEditStringRec> items_;
    std::vector<std::shared_ptr<const std::string>> buffers_;
    int capacity_ = 0;
    TSynEditFileFormat fileFormat_ = sffDos;
    bool appendFinalLineBreak_ = false;
    bool trimTrailingBlankLines_ = true;
    int tabWidth_ = 8;
    TConvertTabsProc convertTabs_;
    mutable int indexOfLongestLine_ = -1;
    int updateCount_ = 0;
    std::vector<ISynLinesObserver*> observers_;
};

}  // namespace veyrin
