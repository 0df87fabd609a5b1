#include <gtest/gtest.h>

#include <vector>

#include "platform/core/Exceptions.h"
#include "platform/core/StringList.h"
#include "platform/tests/core/TempFolder.h"

namespace {

std::vector<AnsiString> LinesOf(const TStrings& list) { return list.Lines(); }

}  // namespace

TEST(StringList, SortedAddPutsEachLineAtItsCaseInsensitivePlace) {
    TStringList list;
    list.SetSorted(true);
    for (const char* line : {"12", "beta", " 7", "Alpha", "", "alpha", "_x", "ALPHA"}) list.Add(line);
    // Blank first, then " 7" before "12", letters folded to upper case
    // (so before "_"), equal lines in the order they came.
    EXPECT_EQ(LinesOf(list), (std::vector<AnsiString>{"", " 7", "12", "Alpha", "alpha", "ALPHA", "beta", "_x"}));
    EXPECT_EQ(list.Add("Alpha"), 6) << "after every equal line";
    EXPECT_EQ(list.IndexOf("BETA"), 7);
    EXPECT_EQ(list.IndexOf("gamma"), -1);
}

TEST(StringList, TurningSortedOnSortsStablyAndSortedListsRefuseInsert) {
    TStringList list;
    list.SetText("b\nB\na\n");
    list.SetSorted(true);
    EXPECT_EQ(LinesOf(list), (std::vector<AnsiString>{"a", "b", "B"}));
    EXPECT_THROW(list.Insert(0, "z"), EListError);
    list.Put(0, "zz");  // replaces in place, even out of order
    EXPECT_EQ(list[0], "zz");

    TStringList unsortedSource;
    unsortedSource.SetText("y\nx\n");
    list.Assign(unsortedSource);
    EXPECT_EQ(LinesOf(list), (std::vector<AnsiString>{"x", "y"})) << "a sorted list keeps its order on Assign";
    list.AddStrings(list);
    EXPECT_EQ(LinesOf(list), (std::vector<AnsiString>{"x", "x", "y", "y"}));
}

TEST(StringList, IndexesOutsideTheListThrow) {
    TStringList list;
    list.Add("only");
    try {
        list.Get(1);
        FAIL() << "no exception";
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (1)");
    }
    EXPECT_THROW(list.Get(-1), EListError);
    EXPECT_THROW(list.Put(1, "x"), EListError);
    EXPECT_THROW(list.Delete(1), EListError);
    EXPECT_THROW(list.Insert(2, "x"), EListError);
    list.Insert(1, "end");  // Count itself is a valid place to insert
    EXPECT_EQ(list[1], "end");
}

TEST(StringList, ObserverHearsEveryChangeWithItsIndex) {
    TStringList list;
    std::vector<std::pair<TListChange::Kind, int>> heard;
    list.Observer = [&](const TListChange& c) { heard.emplace_back(c.kind, c.index); };
    list.Add("a");
    list.Add("c");
    list.Insert(1, "b");
    list.Put(2, "C");
    list.Delete(0);
    list.SetSorted(true);
    list.SetText("x");
    list.Clear();
    using K = TListChange;
    EXPECT_EQ(heard, (std::vector<std::pair<TListChange::Kind, int>>{
                         {K::Inserted, 0}, {K::Inserted, 1}, {K::Inserted, 1}, {K::Replaced, 2},
                         {K::Deleted, 0}, {K::Reset, -1}, {K::Reset, -1}, {K::Reset, -1}}));
}

TEST(StringList, UpdatesReachTheObserverAsOneResetAtTheLastEnd) {
    TStringList list;
    int resets = 0, others = 0;
    list.Observer = [&](const TListChange& c) { ++(c.kind == TListChange::Reset ? resets : others); };
    list.BeginUpdate();
    list.BeginUpdate();
    list.SetSorted(true);
    for (const char* line : {"b", "a", "c"}) list.Add(line);
    list.EndUpdate();
    EXPECT_TRUE(list.Updating());
    EXPECT_EQ(resets + others, 0);
    list.EndUpdate();
    EXPECT_FALSE(list.Updating());
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(others, 0);
    EXPECT_EQ(list.Lines(), (std::vector<AnsiString>{"a", "b", "c"}));
    // An update without changes says nothing; an extra EndUpdate is harmless.
    list.BeginUpdate();
    list.EndUpdate();
    list.EndUpdate();
    list.Add("d");
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(others, 1);
}

// Lines handed in and out whole: sorted lists sort them, the observer hears one reset.
TEST(StringList, TakesAndHandsOverWholeLines) {
    TStringList list;
    std::vector<TListChange::Kind> heard;
    list.Observer = [&](const TListChange& change) { heard.push_back(change.kind); };
    list.Assign(std::vector<AnsiString>{"b", "A", "a"});
    EXPECT_EQ(LinesOf(list), (std::vector<AnsiString>{"b", "A", "a"}));
    std::vector<AnsiString> taken = list.TakeLines();
    EXPECT_EQ(taken, (std::vector<AnsiString>{"b", "A", "a"}));
    EXPECT_EQ(list.Count(), 0);
    list.SetSorted(true);
    list.Assign(std::move(taken));
    EXPECT_EQ(LinesOf(list), (std::vector<AnsiString>{"A", "a", "b"})) << "equal lines keep their order";
    EXPECT_EQ(heard, std::vector<TListChange::Kind>(4, TListChange::Reset));
}

TEST(StringList, LoadsLfAndCrLfFilesAlike) {
    TempFolder folder;
    TempFolder::Write(folder / "lf.txt", "one\n\ntwo\nlast");
    TempFolder::Write(folder / "crlf.txt", "one\r\n\r\ntwo\r\nlast\r\n");
    TStringList lf, crlf;
    lf.LoadFromFile(folder / "lf.txt");
    crlf.LoadFromFile(folder / "crlf.txt");
    EXPECT_EQ(LinesOf(lf), (std::vector<AnsiString>{"one", "", "two", "last"}));
    EXPECT_EQ(LinesOf(crlf), LinesOf(lf));
}

TEST(StringList, SavesEveryLineWithCrLfAndReportsAMissingFile) {
    TempFolder folder;
    TStringList list;
    list.Add("first");
    list.Add("");
    list.Add("last");
    list.SaveToFile(folder / "notes.nts");
    EXPECT_EQ(TempFolder::Read(folder / "notes.nts"), "first\r\n\r\nlast\r\n");

    TStringList reloaded;
    reloaded.LoadFromFile(folder / "notes.nts");
    EXPECT_EQ(LinesOf(reloaded), LinesOf(list));

    const std::string missing = folder / "absent.nts";
    try {
        reloaded.LoadFromFile(missing);
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + missing + "\". No such file or directory");
    }
    EXPECT_EQ(reloaded.Count(), 3) << "a failed load keeps the lines";
}
