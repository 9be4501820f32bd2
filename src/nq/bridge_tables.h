#pragma once
// Lookup tables for the Unicode bridge, derived once from the glyph table so that a row
// added or corrected there reaches both directions without code changes.

#include "nq/glyph_table.h"

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace nq::bridge {

// Unicode characters the syllable logic needs by name.
inline constexpr char16_t kHasanta = 0x09CD;
inline constexpr char16_t kNukta = 0x09BC;
inline constexpr char16_t kRa = 0x09B0;
inline constexpr char16_t kTa = 0x09A4;
inline constexpr char16_t kKhandaTa = 0x09CE;
inline constexpr char16_t kSignE = 0x09C7;
inline constexpr char16_t kSignI = 0x09BF;
inline constexpr char16_t kSignII = 0x09C0;
inline constexpr char16_t kSignAA = 0x09BE;
inline constexpr char16_t kSignO = 0x09CB;
inline constexpr char16_t kSignAU = 0x09CC;
inline constexpr char16_t kAuLength = 0x09D7;
inline constexpr char16_t kVowelA = 0x0985;
inline constexpr char16_t kVowelAA = 0x0986;
inline constexpr char16_t kCandrabindu = 0x0981;
inline constexpr char16_t kZwnj = 0x200C;
inline constexpr char16_t kZwj = 0x200D;

// Letters that join through hasanta (khanda ta never does).
constexpr bool isConsonant(char16_t u)
{
    return (u >= 0x0995 && u <= 0x09B9) || u == 0x09DC || u == 0x09DD || u == 0x09DF
        || u == 0x09F0 || u == 0x09F1;
}
constexpr bool isIndependentVowel(char16_t u)
{
    return (u >= 0x0985 && u <= 0x0994) || u == 0x09E0 || u == 0x09E1;
}
constexpr bool isVowelSign(char16_t u)
{
    return (u >= 0x09BE && u <= 0x09CC) || u == kAuLength || u == 0x09E2 || u == 0x09E3;
}
constexpr bool isPreBaseSign(char16_t u)
{
    return u == kSignI || u == kSignE || u == 0x09C8;
}
constexpr bool isBelowSign(char16_t u)
{
    return (u >= 0x09C1 && u <= 0x09C4) || u == 0x09E2 || u == 0x09E3;
}
constexpr bool isSyllableMark(char16_t u)
{
    return u == kCandrabindu || u == 0x0982 || u == 0x0983;
}
// Line and paragraph breaks and tabs mean the same on both sides and pass unchanged.
constexpr bool isLayoutControl(char16_t u)
{
    return u == u'\n' || u == u'\r' || u == u'\t' || u == 0x2028 || u == 0x2029;
}

// A short run of Bengali-block characters packed a byte each: a hash key without allocation.
// Zero when the run is empty, too long or leaves the block.
inline constexpr int kMaxKeyLength = 8;
std::uint64_t packKey(QStringView text);

// How a vowel sign or mark is drawn: a plain code, plus variants that fit particular
// consonants ("(after ক ফ)" in the table's note) or wide conjuncts.
struct SignChoice {
    int plain = -1;
    int wide = -1;
    std::vector<std::pair<QString, int>> afterConsonants; // consonant list -> code
    int forBase(char16_t singleConsonant, bool wideCluster) const;
};

struct Tables {
    // NQ -> Unicode, by code.
    std::array<Kind, 256> kind{};
    std::array<bool, 256> known{};
    std::array<QString, 256> unicode;

    // Unicode -> NQ.
    std::unordered_map<std::uint64_t, int> clusterUnits; // consonants and conjuncts
    std::unordered_map<std::uint64_t, int> ligatures;    // cluster + vowel sign
    std::array<int, 128> phalaByConsonant{};              // ্ + consonant, -1 when none
    std::vector<short> singleChar;                        // any BMP character -> code or -1
    std::array<SignChoice, 128> signs;                    // by offset in the Bengali block
    int maxUnitLength = 1;                                // longest conjunct, in characters
    // Clusters the font draws joined from their spelling (consonant codes, hasanta, phala).
    std::unordered_set<std::uint64_t> joined;
    int maxJoinedLength = 0;                              // listed ones, in characters
    int reph = -1;
    int rephII = -1;
    int hasanta = -1;
    int hasantaVisible = -1; // a hasanta the font never joins: ্ + ZWNJ
    int lineBreak = -1;
};

const Tables& tables();

// Whether the font draws `cluster` (consonant, hasanta, consonant ...) without a visible
// hasanta: a conjunct of the table, a listed cluster, or four letters whose two threes are
// listed (joined_clusters.h).
bool fontJoins(const Tables& t, QStringView cluster);
inline constexpr int kFourLetters = 7; // four consonants and three hasantas, in characters

} // namespace nq::bridge
