#include "bridge/play/LeadRule.h"

namespace {

// The two kinds of row: a short honour holding led from the top, and a holding led by its
// sequence. The selection does not read the kind; it stays with the row as a description.
constexpr int SHORT_HONOURS = 1;
constexpr int SEQUENCE = 2;
// Lengths a row allows.
constexpr int ANY_LENGTH = 13;

constexpr char AK_DOUBLETON[] = "A K doubleton";
constexpr char SOLID[] = "Solid sequence";
constexpr char NEAR[] = "Near sequence";
constexpr char INTERIOR[] = "Interior sequence";
constexpr char TOUCHING[] = "Top of touching honours, 3 card suit";

} // namespace

const LeadRule g_noTrumpLeads[] = {
    {AK_DOUBLETON, 3, 3, 1, 2, 2, SHORT_HONOURS},
    {SOLID, 7, 7, 0, 4, ANY_LENGTH, SEQUENCE},
    {SOLID, 14, 15, 1, 4, ANY_LENGTH, SEQUENCE},
    {SOLID, 28, 31, 2, 4, ANY_LENGTH, SEQUENCE},
    {SOLID, 56, 63, 3, 4, ANY_LENGTH, SEQUENCE},
    {SOLID, 112, 127, 4, 4, ANY_LENGTH, SEQUENCE},
    {NEAR, 11, 15, 0, 4, ANY_LENGTH, SEQUENCE},
    {NEAR, 22, 31, 1, 4, ANY_LENGTH, SEQUENCE},
    {NEAR, 44, 63, 2, 4, ANY_LENGTH, SEQUENCE},
    {NEAR, 88, 127, 3, 4, ANY_LENGTH, SEQUENCE},
    {NEAR, 176, 255, 4, 4, ANY_LENGTH, SEQUENCE},
    {INTERIOR, 13, 31, 2, 4, ANY_LENGTH, SEQUENCE},
    {INTERIOR, 25, 31, 3, 4, ANY_LENGTH, SEQUENCE},
    {INTERIOR, 49, 63, 4, 4, ANY_LENGTH, SEQUENCE},
    {INTERIOR, 26, 31, 3, 4, ANY_LENGTH, SEQUENCE},
    {INTERIOR, 50, 63, 4, 4, ANY_LENGTH, SEQUENCE},
    {INTERIOR, 52, 63, 4, 4, ANY_LENGTH, SEQUENCE},
    {TOUCHING, 3, 3, 1, 3, 3, SEQUENCE},
    {TOUCHING, 6, 6, 1, 3, 3, SEQUENCE},
    {TOUCHING, 12, 12, 2, 3, 3, SEQUENCE},
    {TOUCHING, 24, 24, 3, 3, 3, SEQUENCE},
    {TOUCHING, 48, 48, 4, 4, ANY_LENGTH, SEQUENCE},
    {"", END_OF_LEAD_TABLE, -1, -1, -1, -1, 0},
};

const LeadRule g_suitLeads[] = {
    {"A K doubleton leads K", 3, 3, 1, 2, 2, SHORT_HONOURS},
    {"A high in suit contract", 1, 1, 0, 1, ANY_LENGTH, SHORT_HONOURS},
    {SOLID, 14, 15, 1, 4, ANY_LENGTH, SEQUENCE},
    {SOLID, 28, 31, 2, 4, ANY_LENGTH, SEQUENCE},
    {SOLID, 56, 63, 3, 4, ANY_LENGTH, SEQUENCE},
    {SOLID, 112, 127, 4, 4, ANY_LENGTH, SEQUENCE},
    {NEAR, 22, 31, 1, 4, ANY_LENGTH, SEQUENCE},
    {NEAR, 44, 63, 2, 4, ANY_LENGTH, SEQUENCE},
    {NEAR, 88, 127, 3, 4, ANY_LENGTH, SEQUENCE},
    {NEAR, 176, 255, 4, 4, ANY_LENGTH, SEQUENCE},
    {INTERIOR, 26, 31, 3, 4, ANY_LENGTH, SEQUENCE},
    {INTERIOR, 50, 63, 4, 4, ANY_LENGTH, SEQUENCE},
    {INTERIOR, 52, 63, 4, 4, ANY_LENGTH, SEQUENCE},
    {TOUCHING, 6, 6, 1, 3, 3, SEQUENCE},
    {TOUCHING, 12, 12, 2, 3, 3, SEQUENCE},
    {TOUCHING, 24, 24, 3, 3, 3, SEQUENCE},
    {TOUCHING, 48, 48, 4, 4, ANY_LENGTH, SEQUENCE},
    {"", END_OF_LEAD_TABLE, -1, -1, -1, -1, 0},
};
