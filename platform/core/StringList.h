// TStrings / TStringList: an ordered list of text lines.
#ifndef TRAILBOOK_PLATFORM_STRINGLIST_H
#define TRAILBOOK_PLATFORM_STRINGLIST_H

#include <functional>
#include <string>
#include <vector>

using AnsiString = std::string;

// What changed in a list, so that a control's screen peer can follow it
// without reloading every line.
struct TListChange {
    enum Kind { Inserted, Deleted, Replaced, Reset };
    Kind kind;
    int index;  // the line concerned; -1 for Reset
};

class TStrings {
public:
    TStrings() = default;
    TStrings(const TStrings& other) : lines_(other.lines_), sorted_(other.sorted_) {}
    TStrings& operator=(const TStrings& other);
    virtual ~TStrings() = default;

    int Count() const { return static_cast<int>(lines_.size()); }
    // Index outside 0..Count()-1 throws EListError "List index out of bounds (i)".
    const AnsiString& operator[](int index) const { return Get(index); }
    const AnsiString& Get(int index) const;
    void Put(int index, const AnsiString& s);

    // Appends, or in sorted mode inserts at the line's sorted place after any
    // equal lines. Returns the index the line took.
    int Add(const AnsiString& s);
    void Insert(int index, const AnsiString& s);
    void Delete(int index);
    void Clear();
    void Assign(const TStrings& other);
    // Takes the lines given (moved in, not copied); a sorted list sorts them.
    void Assign(std::vector<AnsiString> lines);
    // Hands the lines over (moved out, not copied) and leaves the list empty.
    std::vector<AnsiString> TakeLines();
    void AddStrings(const TStrings& other);
    // Case-insensitive search; -1 when absent.
    int IndexOf(const AnsiString& s) const;

    // Lines joined, each followed by CR LF.
    AnsiString Text() const;
    // Splits at CR LF, LF or CR; a final line break adds no empty line.
    void SetText(const AnsiString& text);

    // Accepts LF and CR LF line ends. A missing or unreadable file throws EFOpenError.
    void LoadFromFile(const AnsiString& fileName);
    // Writes every line followed by CR LF, the last included, through a
    // temporary file and a rename; a failure throws EFCreateError/EWriteError
    // and leaves the old file intact.
    void SaveToFile(const AnsiString& fileName) const;

    bool Sorted() const { return sorted_; }
    // Turning sorted mode on sorts the lines present.
    void SetSorted(bool sorted);

    const std::vector<AnsiString>& Lines() const { return lines_; }

    // Between BeginUpdate and the matching EndUpdate the Observer hears
    // nothing; the last EndUpdate then reports one Reset when anything
    // changed, so that a shown list takes many changes in one step.
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

    // Set by a control that shows this list; called after every change.
    std::function<void(const TListChange&)> Observer;

private:
    void Notify(TListChange::Kind kind, int index);
    std::vector<AnsiString> lines_;
    bool sorted_ = false;
    int updateCount_ = 0;
    bool changedWhileUpdating_ = false;
};

class TStringList : public TStrings {
public:
    using TStrings::TStrings;
};

#endif
