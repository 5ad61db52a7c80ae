#include "search/find_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace search;
using Kind = FindTextVerdict::Kind;

TEST(ParseFindText, PlainFragmentKeepsItsSpaces) {
    const FindTextVerdict v = parseFindText("  My Report.DOC ");
    EXPECT_EQ(v.kind, Kind::Accepted);
    EXPECT_FALSE(v.forcePartOfName);
    EXPECT_EQ(v.filter.op, FilterOp::None);
    EXPECT_EQ(v.filter.text, "  my report.doc ");
    EXPECT_EQ(v.filter.exactBase, "  my report");
    EXPECT_EQ(v.filter.exactExt, ".doc ");

    EXPECT_EQ(parseFindText("   ").kind, Kind::Accepted);
    EXPECT_EQ(parseFindText("").kind, Kind::Empty);
}

TEST(ParseFindText, TermsAreTrimmedOfSpacesOnly) {
    for (const char* text : {"hr*block", "hr * block", "  hr  *  block  "}) {
        const FindTextVerdict v = parseFindText(text);
        EXPECT_EQ(v.kind, Kind::Accepted) << text;
        EXPECT_EQ(v.filter.op, FilterOp::And);
        EXPECT_EQ(v.filter.term1, "hr");
        EXPECT_EQ(v.filter.term2, "block");
        EXPECT_TRUE(v.forcePartOfName);
    }
    // The terms are filled before a text is refused, so the verdict itself must say accepted.
    const FindTextVerdict orText = parseFindText("HR|Block");
    EXPECT_EQ(orText.kind, Kind::Accepted);
    EXPECT_TRUE(orText.forcePartOfName);
    EXPECT_EQ(orText.filter.op, FilterOp::Or);
    EXPECT_EQ(orText.filter.term1, "hr");
    EXPECT_EQ(orText.filter.term2, "block");

    const FindTextVerdict quoted = parseFindText("'HR' * 'Block'");
    EXPECT_EQ(quoted.kind, Kind::Accepted);
    EXPECT_EQ(quoted.filter.op, FilterOp::And);
    EXPECT_EQ(quoted.filter.term1, "'hr'");
    EXPECT_EQ(quoted.filter.term2, "'block'");

    const FindTextVerdict tabbed = parseFindText("\ta *b\t");
    EXPECT_EQ(tabbed.filter.term1, "\ta");
    EXPECT_EQ(tabbed.filter.term2, "b\t");
}

TEST(ParseFindText, MalformedOperatorTextsAreRefusedButForcePartOfName) {
    for (const char* text :
         {"*.txt", "a*", "a *  ", "|b", "*", "|", " * ", "a*b*c", "a|b|c", "a*b|c", "a|b*c"}) {
        const FindTextVerdict v = parseFindText(text);
        EXPECT_EQ(v.kind, Kind::FilterRejected) << text;
        EXPECT_TRUE(v.forcePartOfName) << text;
    }
}

TEST(ParseFindText, PathTestComesFirst) {
    const FindTextVerdict drive = parseFindText("C:\\Work\\Report.doc");
    EXPECT_EQ(drive.kind, Kind::PathRejected);
    EXPECT_EQ(drive.replacement, "report.doc");
    EXPECT_EQ(parseFindText("c:\\temp").replacement, "temp");
    // An empty replacement is also what a verdict holds before anything is filled in: a path
    // whose last part is empty must still be refused, and one that ends in a name keeps it.
    const FindTextVerdict trailing = parseFindText("ABC\\");
    EXPECT_EQ(trailing.kind, Kind::PathRejected);
    EXPECT_EQ(trailing.replacement, "");
    EXPECT_EQ(parseFindText("abc\\\\").replacement, "");
    EXPECT_EQ(parseFindText("\\ABC").replacement, "abc");

    const FindTextVerdict both = parseFindText("a\\b*c");
    EXPECT_EQ(both.kind, Kind::PathRejected);
    EXPECT_FALSE(both.forcePartOfName);
}

TEST(ParseFindText, OddInputGetsAnAnswer) {
    const std::string longText(300, 'x');
    const FindTextVerdict longVerdict = parseFindText(longText + ".TXT");
    EXPECT_EQ(longVerdict.kind, Kind::Accepted);
    EXPECT_EQ(longVerdict.filter.text, longText + ".txt");
    EXPECT_EQ(longVerdict.filter.exactBase, "");
    EXPECT_EQ(longVerdict.filter.exactExt, "");

    const FindTextVerdict longTerms = parseFindText(longText + "*" + longText);
    EXPECT_EQ(longTerms.kind, Kind::Accepted);
    EXPECT_EQ(longTerms.filter.term2, longText);

    const FindTextVerdict high = parseFindText("\xC9T\xC9|\x80\xFF");
    EXPECT_EQ(high.kind, Kind::Accepted);
    EXPECT_EQ(high.filter.term1, "\xE9t\xE9");
    EXPECT_EQ(high.filter.term2, "\x80\xFF");

    const FindTextVerdict nul = parseFindText(std::string("A\0B*c", 5));
    EXPECT_EQ(nul.kind, Kind::Accepted);
    EXPECT_EQ(nul.filter.term1, std::string("a\0b", 3));
    EXPECT_EQ(parseFindText(std::string("\0", 1)).kind, Kind::Accepted);
}

TEST(BuildSearchRequest, FillsAllButTheFolderLists) {
    SearchRequest request;
    request.searchFolders = {"C:\\"};
    request.exceptFolders = {"c:\\windows\\"};
    QueryChoices choices;
    choices.matchMode = MatchMode::ExactName;
    choices.wantFiles = true;
    choices.showDates = true;
    choices.trackFolders = true;
    buildSearchRequest(request, choices, parseFindText("Notes.TXT").filter);
    EXPECT_EQ(request.findText, "notes.txt");
    EXPECT_EQ(request.filter.exactBase, "notes");
    EXPECT_EQ(request.matchMode, MatchMode::ExactName);
    EXPECT_TRUE(request.wantFiles);
    EXPECT_FALSE(request.wantFolders);
    EXPECT_FALSE(request.showSizes);
    EXPECT_TRUE(request.showDates);
    EXPECT_TRUE(request.trackFolders);
    EXPECT_EQ(request.searchFolders, std::vector<std::string>{"C:\\"});
    EXPECT_EQ(request.exceptFolders, std::vector<std::string>{"c:\\windows\\"});

    buildSearchRequest(request, choices, parseFindText("a*b").filter);
    EXPECT_EQ(request.matchMode, MatchMode::PartOfName);
    EXPECT_EQ(request.filter.op, FilterOp::And);
}
