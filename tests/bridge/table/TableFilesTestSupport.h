#pragma once
// Test support for the table's file helpers: a scratch folder that is the current folder for
// one test, and bridge cards and piles to compare.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "cardtable/CardPile.h"

// Makes a fresh folder under /tmp the current folder; goes back and removes it at the end.
class CScratchFolder {
public:
    CScratchFolder() : m_strOld(Current())
    {
        char szTemplate[] = "/tmp/orvel-tablefiles-XXXXXX";
        m_strRoot = mkdtemp(szTemplate);
        EXPECT_EQ(chdir(m_strRoot.c_str()), 0);
    }
    ~CScratchFolder()
    {
        EXPECT_EQ(chdir(m_strOld.c_str()), 0);
        EXPECT_EQ(std::system(("rm -rf '" + m_strRoot + "'").c_str()), 0);
    }
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    const std::string& Root() const { return m_strRoot; }
    static std::string Current()
    {
        char szFolder[4096] = {};
        return getcwd(szFolder, sizeof(szFolder));
    }

private:
    std::string m_strOld;
    std::string m_strRoot;
};

inline std::string ReadWholeFile(const char* szName)
{
    std::ifstream is(szName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(is), std::istreambuf_iterator<char>());
}

// A bridge-deck card: two has order 1 .. king 12, ace 13; ace 4 .. jack 1 points.
inline CCard BridgeCard(int nRank, int nSuit)
{
    const int nOrder = nRank == 1 ? 13 : nRank - 1;
    return CCard(nRank, nSuit, nOrder, nOrder >= 10 ? nOrder - 9 : 0);
}

// The pile's cards as "rank/suit/order/points" words in sorted order, to compare as sets.
inline std::string CardList(const CCardPile& pile)
{
    CCardPile sorted(pile);
    sorted.Sort();
    std::string strList;
    for (const CCard& card : sorted.m_cards) {
        strList += std::to_string(card.GetRank()) + "/" + std::to_string(card.GetSuit()) + "/" +
                   std::to_string(card.GetOrder()) + "/" + std::to_string(card.GetPoints()) + " ";
    }
    return strList;
}
