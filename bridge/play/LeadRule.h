#pragma once
// LeadRule: one row of the defenders' lead tables, which pick the card to lead from a suit
// by the pattern of the suit's highest unplayed cards that the leader holds. Bit k of a
// pattern stands for position k of the suit's unplayed cards, highest first.

// A row matches a holding when (held pattern & mask) == value and the suit's length lies in
// minLength..maxLength; the card to lead is then the unplayed card at cardIndex, whose bit is
// always set in value. A table ends with a row whose value is END_OF_LEAD_TABLE.
struct LeadRule {
    const char* name;
    int value;
    int mask;
    int cardIndex;
    int minLength;
    int maxLength;
    int kind;
};

constexpr int END_OF_LEAD_TABLE = -1;

// The rows against no trumps and against a suit contract, in the order they are tried.
extern const LeadRule g_noTrumpLeads[];
extern const LeadRule g_suitLeads[];
