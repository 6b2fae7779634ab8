// The bar-to-character table of the Intelligent Mail barcode, as published
// in USPS-B-3200 ("Bar to Character Mapping"): for each bar from the left,
// the character and bit of its descender, then those of its ascender.
#include "design/barcodes/intelligent_mail_bar_map.h"

namespace vellumo {
namespace {

enum Character { A, B, C, D, E, F, G, H, I, J };

constexpr std::array<BarSources, kIntelligentMailBarCount> kBarMap = {{
    {H, 2, E, 3},   // bar 1
    {B, 10, A, 0},  // bar 2
    {J, 12, C, 8},  // bar 3
    {F, 5, G, 11},  // bar 4
    {I, 9, D, 1},   // bar 5
    {A, 1, F, 12},  // bar 6
    {C, 5, B, 8},   // bar 7
    {E, 4, J, 11},  // bar 8
    {G, 3, I, 10},  // bar 9
    {D, 9, H, 6},   // bar 10
    {F, 11, B, 4},  // bar 11
    {I, 5, C, 12},  // bar 12
    {J, 10, A, 2},  // bar 13
    {H, 1, G, 7},   // bar 14
    {D, 6, E, 9},   // bar 15
    {A, 3, I, 6},   // bar 16
    {G, 4, C, 7},   // bar 17
    {B, 1, J, 9},   // bar 18
    {H, 10, F, 2},  // bar 19
    {E, 0, D, 8},   // bar 20
    {G, 2, A, 4},   // bar 21
    {I, 11, B, 0},  // bar 22
    {J, 8, D, 12},  // bar 23
    {C, 6, H, 7},   // bar 24
    {F, 1, E, 10},  // bar 25
    {B, 12, G, 9},  // bar 26
    {H, 3, I, 0},   // bar 27
    {F, 8, J, 7},   // bar 28
    {E, 6, C, 10},  // bar 29
    {D, 4, A, 5},   // bar 30
    {I, 4, F, 7},   // bar 31
    {H, 11, B, 9},  // bar 32
    {G, 0, J, 6},   // bar 33
    {A, 6, E, 8},   // bar 34
    {C, 1, D, 2},   // bar 35
    {F, 9, I, 12},  // bar 36
    {E, 11, G, 1},  // bar 37
    {J, 5, H, 4},   // bar 38
    {D, 3, B, 2},   // bar 39
    {A, 7, C, 0},   // bar 40
    {B, 3, E, 1},   // bar 41
    {G, 10, D, 5},  // bar 42
    {I, 7, J, 4},   // bar 43
    {C, 11, F, 6},  // bar 44
    {A, 8, H, 12},  // bar 45
    {E, 2, I, 1},   // bar 46
    {F, 10, D, 0},  // bar 47
    {J, 3, A, 9},   // bar 48
    {G, 5, C, 4},   // bar 49
    {H, 8, B, 7},   // bar 50
    {F, 0, E, 5},   // bar 51
    {C, 3, A, 10},  // bar 52
    {G, 12, J, 2},  // bar 53
    {D, 11, B, 6},  // bar 54
    {I, 8, H, 9},   // bar 55
    {F, 4, A, 11},  // bar 56
    {B, 5, C, 2},   // bar 57
    {J, 1, E, 12},  // bar 58
    {I, 3, G, 6},   // bar 59
    {H, 0, D, 7},   // bar 60
    {E, 7, H, 5},   // bar 61
    {A, 12, B, 11}, // bar 62
    {C, 9, J, 0},   // bar 63
    {G, 8, F, 3},   // bar 64
    {D, 10, I, 2},  // bar 65
}};

}  // namespace

const std::array<BarSources, kIntelligentMailBarCount>& IntelligentMailBarMap() { return kBarMap; }

}  // namespace vellumo
