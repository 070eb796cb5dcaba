#pragma once
// FinesseCombo: one row of a finesse-combination table, and the declarer's two tables. A row
// describes where the six highest unplayed cards of a suit lie between the hand that leads
// toward the finesse (hand 1), the hand that plays after the second opponent (hand 2) and the
// opponents, which card each hand plays and how often the combination succeeds.
//
// Bit i of a mask stands for the unplayed card at index i (0 = the highest). Each table ends
// with a row whose mask1 is FINESSE_TABLE_END, named "No Finesse".

// mask1 of the row that ends a table.
constexpr int FINESSE_TABLE_END = -1;
// lead1 or play2 of a row whose hand plays its lowest card; alternative of a row without one.
constexpr int FINESSE_LOWEST_CARD = -1;
constexpr int FINESSE_NO_ALTERNATIVE = -1;
// The six highest unplayed cards are the ones a row looks at.
constexpr int FINESSE_TOP_CARDS = 6;

struct FinesseCombo {
    const char* name;    // shown in the explanations, such as "[x,x] - [A,Q,10]"
    int mask1;           // top cards hand 1 must hold exactly; FINESSE_TABLE_END ends the table
    int mask2;           // top cards hand 2 must hold exactly
    int outstanding;     // top cards held by neither hand, exactly
    int maxExcess;       // most of (hand 1 length + hand 2 length - opponents' cards)
    int lead1;           // index of the card hand 1 plays, or FINESSE_LOWEST_CARD
    int play2;           // index of the card hand 2 plays, or FINESSE_LOWEST_CARD
    int rounds;          // rounds the combination takes
    int min1;            // least length of hand 1
    int min2;            // least length of hand 2
    int max1;            // greatest length of hand 1
    int max2;            // greatest length of hand 2
    int alternative;     // index of a card that makes the engine cash when it runs from the top
    int percent;         // chance of success
    int ignore;          // top-card positions left out of every mask before comparing
};

// The combinations the declarer looks for when its side leads, in order of preference.
extern const FinesseCombo g_finesseCombos[];
// The combinations the declarer looks for when it plays second to a trick.
extern const FinesseCombo g_secondHandFinesseCombos[];
