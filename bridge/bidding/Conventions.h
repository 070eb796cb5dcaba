#pragma once
// The ten convention switches shared by every bridge dialog, the inference and the bidder.
// Each is on from program start; LoadConventions reads them from the settings store and
// SaveConventions writes them back, each under its own value name as "1" or "0".

extern bool g_bGSF;         // five no trump as the grand slam force
extern bool g_bJosephine;   // after a Blackwood answer, an odd call is the grand slam force
extern bool g_bBlackwood;   // four no trump as the Blackwood ace ask
extern bool g_bGerber;      // four clubs over partner's no trump as the Gerber ace ask
extern bool g_bStrongNT;    // one no trump is strong (15-17) when vulnerable, else weak
extern bool g_bStayman;     // two clubs over one no trump as Stayman
extern bool g_bBaron;       // three clubs over two no trump as Baron
extern bool g_bSwiss;       // four clubs / four diamonds over a major opening as Swiss
extern bool g_bCueBid;      // a new suit after a fit as a cue bid
extern bool g_bTrialBid;    // a new minor at the three level after a raise as a trial bid

// Reads the ten switches; a value other than "1" or "0", or none, reads as on.
void LoadConventions();
// Writes the ten switches.
void SaveConventions();
