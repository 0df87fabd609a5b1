// TStrings: lines kept in order (or sorted case-insensitively), with text and
// file conversion. Every change is reported to the Observer.
#include "platform/core/StringList.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/Files.h"
#include "platform/core/Strings.h"

namespace {

bool LessText(const AnsiString& a, const AnsiString& b) { return CompareText(a, b) < 0; }

}  // namespace

TStrings& TStrings::operator=(const TStrings& other) {
    if (this != &other) {
        lines_ = other.lines_;
        sorted_ = other.sorted_;
        Notify(TListChange::Reset, -1);
    }
    return *this;
}

void TStrings::Notify(TListChange::Kind kind, int index) {
    if (updateCount_ > 0) {
        changedWhileUpdating_ = true;
        return;
    }
    if (Observer) Observer(TListChange{kind, index});
}

void TStrings::EndUpdate() {
    if (updateCount_ == 0 || --updateCount_ > 0) return;
    if (changedWhileUpdating_) {
        changedWhileUpdating_ = false;
        Notify(TListChange::Reset, -1);
    }
}

const AnsiString& TStrings::Get(int index) const {
    if (index < 0 || index >= Count()) throw EListError::OutOfBounds(index);
    return lines_[static_cast<size_t>(index)];
}

void TStrings::Put(int index, const AnsiString& s) {
    if (index < 0 || index >= Count()) throw EListError::OutOfBounds(index);
    lines_[static_cast<size_t>(index)] = s;
    Notify(TListChange::Replaced, index);
}

int TStrings::Add(const AnsiString& s) {
    // Sorted: after every line that compares equal, so equal lines keep the order they came in.
    auto at = sorted_ ? std::upper_bound(lines_.begin(), lines_.end(), s, LessText) : lines_.end();
    int index = static_cast<int>(at - lines_.begin());
    lines_.insert(at, s);
    Notify(TListChange::Inserted, index);
    return index;
}

void TStrings::Insert(int index, const AnsiString& s) {
    if (sorted_) throw EListError("Operation not allowed on sorted list");
    if (index < 0 || index > Count()) throw EListError::OutOfBounds(index);
    lines_.insert(lines_.begin() + index, s);
    Notify(TListChange::Inserted, index);
}

void TStrings::Delete(int index) {
    if (index < 0 || index >= Count()) throw EListError::OutOfBounds(index);
    lines_.erase(lines_.begin() + index);
    Notify(TListChange::Deleted, index);
}

void TStrings::Clear() {
    lines_.clear();
    Notify(TListChange::Reset, -1);
}

// Takes the other list's lines; a sorted list sorts them into place.
void TStrings::Assign(const TStrings& other) {
    if (this == &other) return;
    lines_ = other.lines_;
    if (sorted_ && !std::is_sorted(lines_.begin(), lines_.end(), LessText))
        std::stable_sort(lines_.begin(), lines_.end(), LessText);
    Notify(TListChange::Reset, -1);
}

void TStrings::Assign(std::vector<AnsiString> lines) {
    lines_ = std::move(lines);
    if (sorted_ && !std::is_sorted(lines_.begin(), lines_.end(), LessText))
        std::stable_sort(lines_.begin(), lines_.end(), LessText);
    Notify(TListChange::Reset, -1);
}

std::vector<AnsiString> TStrings::TakeLines() {
    std::vector<AnsiString> taken = std::move(lines_);
    lines_.clear();
    Notify(TListChange::Reset, -1);
    return taken;
}

void TStrings::AddStrings(const TStrings& other) {
    const std::vector<AnsiString> incoming = other.lines_;  // other may be this list
    for (const auto& line : incoming) Add(line);
}

int TStrings::IndexOf(const AnsiString& s) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (SameText(lines_[i], s)) return static_cast<int>(i);
    return -1;
}

AnsiString TStrings::Text() const {
    AnsiString text;
    for (const auto& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TStrings::SetText(const AnsiString& text) {
    std::vector<AnsiString> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of("\r\n", start);
        if (end == AnsiString::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    if (sorted_) std::stable_sort(lines.begin(), lines.end(), LessText);
    lines_ = std::move(lines);
    Notify(TListChange::Reset, -1);
}

void TStrings::LoadFromFile(const AnsiString& fileName) { SetText(ReadWholeFileOrThrow(fileName)); }

void TStrings::SaveToFile(const AnsiString& fileName) const { WriteWholeFile(fileName, Text()); }

void TStrings::SetSorted(bool sorted) {
    if (sorted == sorted_) return;
    sorted_ = sorted;
    if (sorted_) std::stable_sort(lines_.begin(), lines_.end(), LessText);
    Notify(TListChange::Reset, -1);
}
