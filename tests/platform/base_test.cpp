#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base.h"

namespace {

std::vector<std::string> s_failures;

void RecordFailure(const char* szFileStem, const char* szExpression)
{
    s_failures.push_back(std::string(szFileStem) + ": " + szExpression);
}

} // namespace

TEST(Random, FirstValuesAfterSeedingWithOneMatchTheDealGenerator)
{
    plat::srand(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected)
        EXPECT_EQ(value, plat::rand());
}

TEST(Random, ReseedingRestartsTheSequenceAndLeavesTheCLibraryAlone)
{
    plat::srand(12345);
    const int first = plat::rand();
    const int second = plat::rand();
    plat::srand(12345);
    EXPECT_EQ(first, plat::rand());
    EXPECT_EQ(second, plat::rand());
    // 12345 * 214013 + 2531011 = 2644497496 (mod 2^32): bits 16..30 give 7584.
    EXPECT_EQ(7584, first);
}

TEST(CRect, PtInRectTakesLeftAndTopButNotRightAndBottom)
{
    const CRect rect(10, 20, 81, 116);
    EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
    EXPECT_TRUE(rect.PtInRect(CPoint(80, 115)));
    EXPECT_FALSE(rect.PtInRect(CPoint(81, 20)));
    EXPECT_FALSE(rect.PtInRect(CPoint(10, 116)));
    EXPECT_FALSE(rect.PtInRect(CPoint(9, 50)));
}

TEST(CRect, UnionIgnoresAnEmptyOperandAndIntersectionOfDisjointIsEmpty)
{
    CRect result;
    const CRect card(100, 100, 171, 196);
    const CRect none;
    EXPECT_TRUE(result.UnionRect(&card, &none));
    EXPECT_EQ(card, result);
    const CRect moved(103, 130, 174, 226);
    result.UnionRect(&card, &moved);
    EXPECT_EQ(CRect(100, 100, 174, 226), result);
    const CRect far(500, 500, 510, 510);
    EXPECT_FALSE(result.IntersectRect(&card, &far));
    EXPECT_TRUE(result.IsRectNull());
}

TEST(CPoint, ArithmeticWithSizes)
{
    const CPoint drag = CPoint(200, 150) - CSize(35, 48);
    EXPECT_EQ(CPoint(165, 102), drag);
    EXPECT_EQ(CSize(5, -3), CPoint(10, 0) - CPoint(5, 3));
    EXPECT_TRUE(CPoint(1, 2) != CPoint(1, 3));
}

TEST(CString, ConcatenationFormatAndComparison)
{
    CString name = "Bridge";
    const CString value = name + "Rect";
    EXPECT_EQ(value, "BridgeRect");
    EXPECT_TRUE("BridgeRect" == value);
    CString text;
    text.Format("%d,%d,%d,%d", 1, -2, 300, 4000);
    EXPECT_STREQ("1,-2,300,4000", text);
    CString longText;
    longText.Format("%s", std::string(1000, 'x').c_str());
    EXPECT_EQ(1000, longText.GetLength());
    text += ' ';
    EXPECT_EQ(CString("1,-2,300,4000 "), text);
    EXPECT_NE(CString("clubs"), "Clubs");
}

TEST(CString, SubstringsClampToTheString)
{
    const CString listed = "[voice]";
    EXPECT_EQ(CString("voice"), listed.Mid(1, listed.GetLength() - 2));
    EXPECT_EQ(CString("[vo"), listed.Left(3));
    EXPECT_EQ(CString("e]"), listed.Right(2));
    EXPECT_EQ(CString(), listed.Mid(10, 3));
    EXPECT_EQ(CString("[voice]"), listed.Left(99));
    EXPECT_TRUE(CString("x").Mid(1, -1).IsEmpty());
}

TEST(CString, BufferReleaseTrimsAtTheTerminator)
{
    CString text;
    char* buffer = text.GetBuffer(16);
    std::snprintf(buffer, 17, "%s", "abc");
    text.ReleaseBuffer();
    EXPECT_EQ(3, text.GetLength());
    EXPECT_EQ(CString("abc"), text);
}

TEST(Assert, ReportsTheFileStemAndExpressionToTheInstalledHandler)
{
    s_failures.clear();
    const plat::AssertHandler previous = plat::SetAssertHandler(RecordFailure);
    const int cards = 0;
    ASSERT(cards > 0);
    ASSERT(cards == 0);
    plat::SetAssertHandler(previous);
    ASSERT_EQ(1u, s_failures.size());
    EXPECT_EQ("base_test: cards > 0", s_failures[0]);
}

TEST(Colours, RgbPacksRedInTheLowByte)
{
    const COLORREF table = RGB(0, 127, 0);
    EXPECT_EQ(0x007F00u, table);
    EXPECT_EQ(255, GetBValue(RGB(1, 2, 255)));
    EXPECT_EQ(1, GetRValue(RGB(1, 2, 255)));
}
