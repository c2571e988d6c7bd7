// The exact operator search. It prints what trying every combination number from 0
// upward with a wide enough counter would print: the lowest combination number whose
// left-to-right value, in 32-bit wrap-around arithmetic, equals the wanted result, or
// that there is none. Nothing in it is estimated:
//
// - The text is parsed once into a tree that follows the evaluator's own steps (a
//   number; a group for any other character, skipped like an opening parenthesis; 0
//   for an operand missing at the end; literal + - * as fixed operators). Every slot
//   holds an operator character, so one tree serves every combination. A group that
//   opens an expression is read into it, as left to right it may be: every expression
//   then starts with a number, and has a listed prefix however large its groups.
// - A combination number compares like its digits from the most significant slot, the
//   rightmost, down: for t0 op1 t1 ... opn tn the slots inside tn, then opn, then
//   those inside t(n-1), and so on. The search picks them in that order, lowest first.
// - What the choices ask of the prefix t0 ... t(j-1) is one class modulo a power of
//   two: x + a and x - a shift a class, and x * a with a = 2^t u (u odd) divides the
//   modulus by 2^t and maps the class through u's inverse.
// - Every prefix keeps the set of its values modulo 256, exact and cheap: a class
//   that none of them reaches is dropped wherever the search asks it of the prefix.
// - Prefixes are listed as far as their distinct values and a memory cap allow (each
//   value with its lowest number). The search from the right meets such a list with
//   a set of classes (targets): a lookup per target, a pass over the list against a
//   table of the targets, or, for many targets further up, a pass over every value of
//   the longer prefix; a listed group right after the list is met through its own
//   list, each target and prefix value asking one class of it. Each finds the lowest
//   number among the targets it is given.
// - Choices above the list go down one by one and then in blocks, each block one set
//   of targets whose fixed numbers hold the choice; blocks follow in order, so the
//   first that meets holds the lowest number. A group too large to list, right after
//   the list, is entered with what each prefix value asks of it (in parts, the lowest
//   of their answers); elsewhere it goes down by the choices of its operands after its
//   own listed prefix, the most significant.
// - Strategies: short lists and a deep search, or long lists and a shallow one; once
//   a group has had to be entered in parts, also short lists with every group that
//   would take parts counted through instead, lowest first, for answers among its
//   first combinations (after the list, each value met with it at once; a value
//   counted before, which had a lower number, is passed over). They take turns with
//   budgets growing fourfold, the one that seems nearest to the end first; each turn
//   is a whole search, so any answer is the lowest, and the first turn to finish
//   answers.
// When a shape needs more work than the last budget, the search says so rather than
// guess; first, a strategy that seems to need at most twice that budget, or whose
// estimate tells nothing (its share stood still over its last turn), gets one more
// turn of that length.

#include "exact.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <vector>

#if defined(FORCE_VECTOR_BITS)
#define EXACT_VECTORS (FORCE_VECTOR_BITS > 128)
#elif defined(__x86_64__)
#define EXACT_VECTORS 1
#else
#define EXACT_VECTORS 0
#endif
#if EXACT_VECTORS
#include <immintrin.h>
#endif

namespace {

// The largest list of candidate values built at once, 16 bytes each, in the last of
// three rounds. A test build makes them tiny, so that the search does nearly all.
#ifndef EXACT_MOST_CANDIDATES
#define EXACT_MOST_CANDIDATES (std::size_t{1} << 22)
#endif
const std::size_t MostCandidates = EXACT_MOST_CANDIDATES;
std::size_t ListCandidates;  // the current round's
// The fewest candidates that would have made some list longer this round.
std::size_t LongerList;
// Memory for lists: a list being built takes BuildBytes a candidate (the candidates
// and their sorted copy), a list kept at most KeptBytes a value.
const std::size_t MostListBytes = std::size_t{128} << 20;
const std::size_t BuildBytes = 32;
const std::size_t KeptBytes = 64;
std::size_t ListBytes;
// The most that lists held and one being built took together, when building one:
// the targets' memory goes if it would take them over MostListBytes.
std::size_t ListNeed;
// Steps of the search, about ten seconds in all turns (a test build lowers it to
// reach the fallback quickly). A candidate of a list costs 1/BuildGain of a step.
#ifndef EXACT_WORK_BUDGET
#define EXACT_WORK_BUDGET (std::uint64_t{1} << 26)
#endif
const std::uint64_t MostWork = EXACT_WORK_BUDGET;
const std::uint64_t FirstWork = std::min<std::uint64_t>(MostWork, std::uint64_t{1} << 20);
const std::size_t BuildGain = 2;
std::uint64_t WorkBudget;  // the current round's
// Targets made at once: for a group after a listed prefix, or a block of choices.
const std::size_t MostTargets = std::size_t{1} << 20;
// Targets made at once for a group that cannot be listed, which would otherwise be
// counted through.
const std::size_t MostEntered = std::size_t{1} << 21;
// Going through a list with sifted targets costs about this many times less a value
// than looking a single value up in it; a class of values costs RangeCost lookups.
const std::size_t ScanGain = 16;
const std::size_t RangeCost = 4;
// Going through a longer prefix's values pays when it costs no more than touching
// each target this many times; below that, carrying the targets down is cheaper.
const std::size_t StreamGain = 16;

const std::uint64_t None = ~std::uint64_t{0};

// The values x with x = Rest modulo 2^Bits; Bits < 0 is the empty class.
struct Class {
    std::uint32_t Rest;
    int Bits;
};

struct Term {
    bool IsGroup;
    std::uint32_t Number;  // a number's value
    int Group;             // a group's expression
};

// The operator in front of an operand: a slot, or an operator character of the text.
struct Op {
    char Fixed;
    int Slot;  // -1 for a fixed operator
};

// A value with the lowest combination number that gives it; Key is the value, or in
// a lookup list its bit reversal.
struct Entry {
    std::uint32_t Key;
    std::uint64_t Number;
};

// Values modulo 256, a bit for each.
using Residues = std::array<std::uint64_t, 4>;

struct Expr {
    std::vector<Term> Terms;
    std::vector<Op> Ops;  // Ops[j] stands before Terms[j]; Ops[0] is unused
    // What the prefix up to each Terms[j] can be worth modulo 256, whatever the
    // operators. The low bits of a sum, difference or product depend only on those
    // of its operands, so the sets are exact: a target none of them reaches is
    // dropped, and texts of even operands with an odd result are proven impossible
    // at once, where every list would hold thousands of values that cannot meet.
    std::vector<Residues> Reached;
    // The prefix up to Terms[Split] is listed (-1: not yet, or the turn gave up first):
    // bit-reversed values ascending, the values, their lowest numbers, a minimum tree.
    int Split = -1;
    std::vector<std::uint32_t> Keys, Plain;
    std::vector<std::uint64_t> Numbers;
    std::vector<std::uint64_t> Lowest;
    std::vector<std::uint32_t> Hash;  // indices by value, for single values
    // A bit for each value's hash, 16 bits a value: most single values looked up are
    // not in the list, and this tells so from one word that stays in the cache.
    std::vector<std::uint64_t> Filter;
    int FilterBits;
    // When the whole expression is listed: its values, lowest number first.
    bool Listed = false;
    std::vector<Entry> Values;
    // The slots read as operators here or in a group inside, lowest first.
    std::vector<int> Slots;
};

std::vector<Expr> Exprs;
const char* Text;
int SlotAt[128];
std::uint64_t Weight[64];  // 3 to the power of the slot
int Digit[64];             // operators of the groups being counted through
std::uint64_t Work;
bool GaveUp;
// How far a round got: each choice the search takes, in its order, spans a share of
// all of them (0 to 1), and Reached is the start of the last one entered. A round that
// gives up has done about Reached of its whole search with its steps, so the next turn
// starts with the round that seems to need the fewest steps in all.
double SpanFrom, SpanWidth, Reached;
// Entering a group in parts costs every part the whole search inside it, though the
// lowest answer may lie among its first few combinations. Once a group has needed more
// than one part, a strategy that counts such groups through instead, lowest first,
// takes turns too. With few parts it often spends its turns in vain (up to 2.3 times
// the time), but a higher threshold left climbed equations of three parts at 6 to 11 s.
// It has the short lists, and until they take parts it searches just as they do: only
// parts taken with them (ShortLists) count.
bool CountingPays;
bool Counting;
bool ShortLists;
// Single targets that failed, by expression, operand and class: a cache in which a
// newer failure takes an older one's place (often, in a test build's tiny cache).
#ifndef EXACT_FAILED_BITS
#define EXACT_FAILED_BITS 20
#endif
std::vector<std::uint64_t> Failed;
int FailedBits;  // a turn's, grows with its budget
// The values of a group counted through, for the targets of one count: the
// generation of the count and the value. Most groups repeat few values many times
// (a factor 1, 0 or a sum that cancels), and the same value again, with a higher
// number, meets what it met before. A cache: it may forget a value, never invent one.
const int CountedBits = 16;
std::vector<std::uint64_t> Counted, CountedTops;  // the group's values, its last operand's
std::uint64_t Generation;

std::uint64_t& FailedPlace(std::uint64_t Key)
{
    return Failed[static_cast<std::size_t>((Key * 0x9E3779B97F4A7C15ull) >> (64 - FailedBits))];
}

std::uint32_t Mask(int Bits)
{
    return Bits >= 32 ? ~0u : (1u << Bits) - 1;
}

Class MakeClass(std::uint32_t Rest, int Bits)
{
    return Class{Rest & Mask(Bits), Bits};
}

const Class Empty{0, -1};

const std::uint32_t Vacant = ~0u;  // an empty place of a table

std::size_t HashOf(std::uint32_t Value, std::size_t Last)
{
    return static_cast<std::size_t>((Value * 0x9E3779B97F4A7C15ull) >> 32) & Last;
}

// Whether Value was met before in the count of generation Mine; it is now.
bool Repeated(std::vector<std::uint64_t>& Cache, std::uint64_t Mine, std::uint32_t Value)
{
    if (Cache.empty())
        Cache.assign(std::size_t{1} << CountedBits, 0);
    std::uint64_t& Seen = Cache[HashOf(Value, Cache.size() - 1)];
    const bool Again = Seen == (Mine | Value);
    Seen = Mine | Value;
    return Again;
}

std::size_t FilterOf(const Expr& E, std::uint32_t Value)
{
    return static_cast<std::size_t>((Value * 0xD6E8FEB86659FD93ull) >> (64 - E.FilterBits));
}

std::uint32_t Reverse(std::uint32_t Value)
{
    Value = ((Value >> 1) & 0x55555555u) | ((Value & 0x55555555u) << 1);
    Value = ((Value >> 2) & 0x33333333u) | ((Value & 0x33333333u) << 2);
    Value = ((Value >> 4) & 0x0F0F0F0Fu) | ((Value & 0x0F0F0F0Fu) << 4);
    Value = ((Value >> 8) & 0x00FF00FFu) | ((Value & 0x00FF00FFu) << 8);
    return (Value >> 16) | (Value << 16);
}

std::uint32_t Inverse(std::uint32_t Odd)
{
    std::uint32_t Inverse = Odd;  // right to 3 bits; every step doubles that
    for (int i = 0; i < 4; ++i)
        Inverse *= 2 - Odd * Inverse;
    return Inverse;
}

std::uint32_t Apply(std::uint32_t Left, char Operator, std::uint32_t Right)
{
    return Operator == '+' ? Left + Right : Operator == '-' ? Left - Right : Left * Right;
}

// The x with x * Factor in C.
Class Divide(Class C, std::uint32_t Factor)
{
    const int Twos = std::countr_zero(Factor);
    if (Twos >= C.Bits)
        return C.Rest == 0 ? Class{0, 0} : Empty;
    if ((C.Rest & Mask(Twos)) != 0)
        return Empty;
    return MakeClass((C.Rest >> Twos) * Inverse(Factor >> Twos), C.Bits - Twos);
}

// The x with x Operator Right in C.
Class Before(Class C, char Operator, std::uint32_t Right)
{
    if (Operator == '+')
        return MakeClass(C.Rest - Right, C.Bits);
    if (Operator == '-')
        return MakeClass(C.Rest + Right, C.Bits);
    return Divide(C, Right);
}

// The v with Left Operator v in C.
Class After(Class C, char Operator, std::uint32_t Left)
{
    if (Operator == '+')
        return MakeClass(C.Rest - Left, C.Bits);
    if (Operator == '-')
        return MakeClass(Left - C.Rest, C.Bits);
    return Divide(C, Left);
}

// The operators an Op allows, with what each adds to a combination number.
int Choices(const Op& O, char* Operator, std::uint64_t* Added)
{
    if (O.Slot < 0) {
        Operator[0] = O.Fixed;
        Added[0] = 0;
        return 1;
    }
    for (int Digit = 0; Digit < 3; ++Digit) {
        Operator[Digit] = "+-*"[Digit];
        Added[Digit] = static_cast<std::uint64_t>(Digit) * Weight[O.Slot];
    }
    return 3;
}

// Parsing, step for step as the evaluator reads the text.
bool IsDigit(char Character)
{
    return static_cast<unsigned char>(Character - '0') < 10;
}

bool IsOperator(int Position)
{
    return SlotAt[Position] >= 0 || Text[Position] == '+' || Text[Position] == '-' ||
           Text[Position] == '*';
}

bool Holds(const Residues& R, std::uint32_t Value)
{
    return ((R[(Value & 255) / 64] >> (Value % 64)) & 1) != 0;
}

// What an operand can be worth modulo 256.
Residues ResiduesOf(const Term& T)
{
    if (T.IsGroup)
        return Exprs[static_cast<std::size_t>(T.Group)].Reached.back();
    Residues R{};
    R[(T.Number & 255) / 64] = std::uint64_t{1} << (T.Number % 64);
    return R;
}

// Every Left O Right modulo 256.
Residues Join(const Residues& Left, const Op& O, const Residues& Right)
{
    char Operator[3];
    std::uint64_t Added[3];
    const int Count = Choices(O, Operator, Added);
    const Residues All{~std::uint64_t{0}, ~std::uint64_t{0}, ~std::uint64_t{0}, ~std::uint64_t{0}};
    // Adding or taking away every value modulo 256 makes every value: most prefixes
    // reach them all after a few operands, and this is then the whole cost.
    if ((Left == All || Right == All) && (Count == 3 || Operator[0] != '*'))
        return All;
    Residues Out{};
    for (std::uint32_t a = 0; a < 256 && Out != All; ++a) {
        if (!Holds(Left, a))
            continue;
        for (std::uint32_t Word = 0; Word < 4; ++Word)
            for (std::uint64_t Bits = Right[Word]; Bits != 0; Bits &= Bits - 1) {
                const std::uint32_t b = 64 * Word + static_cast<std::uint32_t>(std::countr_zero(Bits));
                for (int k = 0; k < Count; ++k) {
                    const std::uint32_t Value = Apply(a, Operator[k], b) & 255;
                    Out[Value / 64] |= std::uint64_t{1} << (Value % 64);
                }
            }
    }
    return Out;
}

int ParseExpr(int& Position);

Term ParseTerm(int& Position)
{
    if (SlotAt[Position] < 0 && IsDigit(Text[Position])) {
        std::uint32_t Number = 0;
        while (SlotAt[Position] < 0 && IsDigit(Text[Position]))
            Number = Number * 10 + static_cast<std::uint32_t>(Text[Position++] - '0');
        return Term{false, Number, -1};
    }
    if (SlotAt[Position] < 0 && Text[Position] == '\0')
        return Term{false, 0, -1};
    ++Position;  // whatever stands here is skipped like an opening parenthesis
    const int Group = ParseExpr(Position);
    if (SlotAt[Position] >= 0 || Text[Position] != '\0')
        ++Position;
    return Term{true, 0, Group};
}

// Reads the operands and operators of expression Id. A group that opens it is read
// into it: left to right, (a o b) o c is a o b o c, so the search sees the listed
// prefix inside the group even when the group is too large to list.
void ReadInto(int Id, int& Position)
{
    if (SlotAt[Position] >= 0 || (!IsDigit(Text[Position]) && Text[Position] != '\0')) {
        ++Position;
        ReadInto(Id, Position);
        if (SlotAt[Position] >= 0 || Text[Position] != '\0')
            ++Position;
    } else {
        const Term First = ParseTerm(Position);
        Exprs[Id].Terms.push_back(First);
        Exprs[Id].Ops.push_back(Op{'+', -1});
    }
    while (IsOperator(Position)) {
        const Op O{Text[Position], SlotAt[Position]};
        ++Position;
        const Term Next = ParseTerm(Position);
        Exprs[Id].Ops.push_back(O);
        Exprs[Id].Terms.push_back(Next);
    }
}

int ParseExpr(int& Position)
{
    const int Id = static_cast<int>(Exprs.size());
    Exprs.emplace_back();
    ReadInto(Id, Position);
    Expr& E = Exprs[Id];
    for (std::size_t j = 0; j < E.Terms.size(); ++j) {
        if (E.Ops[j].Slot >= 0 && j > 0)
            E.Slots.push_back(E.Ops[j].Slot);
        if (E.Terms[j].IsGroup) {
            const std::vector<int>& Inner = Exprs[E.Terms[j].Group].Slots;
            E.Slots.insert(E.Slots.end(), Inner.begin(), Inner.end());
        }
        const Residues R = ResiduesOf(E.Terms[j]);
        E.Reached.push_back(j == 0 ? R : Join(E.Reached.back(), E.Ops[j], R));
    }
    return Id;
}

// The values of a group counted through, combination after combination. In each
// expression of the group, the operands after the last operator that changed act on
// the value before them as one map x * Times + Plus (sums, differences and products
// compose so, wrapping around), kept from one combination to the next: the count
// changes the first operators most often, so that a value costs a few operations
// instead of the whole group's (most of the time of groups of 15 or more counted).
struct Tail {
    int Up, UpAt;  // the expression holding this one, and its operand there
    int Kept;      // the maps from Kept on are up to date
    int Dirty;     // the last operand that changed since the last value
    std::vector<std::uint32_t> Times, Plus;  // the map of the operands after each one
};
std::vector<Tail> Tails;
int SlotExpr[64], SlotOperand[64];  // the expression and operand whose operator a slot is

// Sets up the maps of expression e, inside expression Up as its operand UpAt (-1:
// the group counted), and of the groups inside it.
void StartCounting(int e, int Up, int UpAt)
{
    if (Tails.size() < Exprs.size())
        Tails.resize(Exprs.size());
    const Expr& E = Exprs[static_cast<std::size_t>(e)];
    Tail& S = Tails[static_cast<std::size_t>(e)];
    const int Last = static_cast<int>(E.Terms.size()) - 1;
    S.Up = Up, S.UpAt = UpAt;
    S.Times.resize(E.Terms.size());
    S.Plus.resize(E.Terms.size());
    S.Times[Last] = 1, S.Plus[Last] = 0;
    S.Kept = S.Dirty = Last;
    for (int j = 0; j <= Last; ++j) {
        const int Slot = E.Ops[static_cast<std::size_t>(j)].Slot;
        if (j > 0 && Slot >= 0)
            SlotExpr[Slot] = e, SlotOperand[Slot] = j;
        if (E.Terms[static_cast<std::size_t>(j)].IsGroup)
            StartCounting(E.Terms[static_cast<std::size_t>(j)].Group, e, j);
    }
}

// Slot's operator changed: so did every expression around it, up to the group counted.
void Changed(int Slot)
{
    for (int e = SlotExpr[Slot], j = SlotOperand[Slot]; e >= 0;) {
        Tail& S = Tails[static_cast<std::size_t>(e)];
        S.Dirty = std::max(S.Dirty, j);
        j = S.UpAt, e = S.Up;
    }
}

// The value of expression e, set up by StartCounting, under the operators in Digit.
std::uint32_t CountedValue(int e)
{
    const Expr& E = Exprs[static_cast<std::size_t>(e)];
    Tail& S = Tails[static_cast<std::size_t>(e)];
    const auto OperandAt = [&](int j) {
        const Term& T = E.Terms[static_cast<std::size_t>(j)];
        return T.IsGroup ? CountedValue(T.Group) : T.Number;
    };
    const auto OperatorAt = [&](int j) {
        const Op& O = E.Ops[static_cast<std::size_t>(j)];
        return O.Slot < 0 ? O.Fixed : "+-*"[Digit[O.Slot]];
    };
    const int Dirty = S.Dirty;
    S.Kept = std::max(S.Kept, Dirty);
    for (; S.Kept > Dirty; --S.Kept) {
        const std::uint32_t Operand = OperandAt(S.Kept), Times = S.Times[S.Kept], Plus = S.Plus[S.Kept];
        const char Operator = OperatorAt(S.Kept);
        S.Times[S.Kept - 1] = Operator == '*' ? Times * Operand : Times;
        S.Plus[S.Kept - 1] = Operator == '*' ? Plus : Apply(0, Operator, Operand) * Times + Plus;
    }
    std::uint32_t Value = OperandAt(0);
    for (int j = 1; j <= Dirty; ++j)
        Value = Apply(Value, OperatorAt(j), OperandAt(j));
    S.Dirty = 0;
    return Value * S.Times[Dirty] + S.Plus[Dirty];
}

// The values of an operand with their lowest numbers, or null when it has too many.
const std::vector<Entry>* ValuesOf(const Term& T, std::vector<Entry>& Single)
{
    if (!T.IsGroup) {
        Single.assign(1, Entry{T.Number, 0});
        return &Single;
    }
    return Exprs[T.Group].Listed ? &Exprs[T.Group].Values : nullptr;
}

// Every Left O Right, each value once with its lowest number; keys bit-reversed.
std::vector<Entry> Combine(const std::vector<Entry>& Left, const Op& O,
                           const std::vector<Entry>& Right)
{
    char Operator[3];
    std::uint64_t Added[3];
    const int Count = Choices(O, Operator, Added);
    std::vector<Entry> Out;
    Out.reserve(Left.size() * Right.size() * static_cast<std::size_t>(Count));
    for (const Entry& L : Left)
        for (const Entry& R : Right)
            for (int k = 0; k < Count; ++k)
                Out.push_back(Entry{Reverse(Apply(Reverse(L.Key), Operator[k], R.Key)),
                                    L.Number + Added[k] + R.Number});
    return Out;
}

// Sorts by key and keeps each key's lowest number. Lists run to millions of entries,
// so the sort goes by bytes of the key: four passes, each stable.
void KeepLowest(std::vector<Entry>& List)
{
    std::vector<Entry> Other(List.size());
    for (int Shift = 0; Shift < 32; Shift += 8) {
        std::size_t Start[257] = {};
        for (const Entry& V : List)
            ++Start[((V.Key >> Shift) & 255) + 1];
        for (int b = 0; b < 256; ++b)
            Start[b + 1] += Start[b];
        for (const Entry& V : List)
            Other[Start[(V.Key >> Shift) & 255]++] = V;
        List.swap(Other);
    }
    std::size_t Kept = 0;
    for (std::size_t i = 0; i < List.size(); ++i) {
        if (Kept == 0 || List[Kept - 1].Key != List[i].Key)
            List[Kept++] = List[i];
        else
            List[Kept - 1].Number = std::min(List[Kept - 1].Number, List[i].Number);
    }
    List.resize(Kept);
}

// The memory that the targets keep from one turn to the next, and its release.
std::size_t TargetBytes();
void FreeTargets();

void Prepare(Expr& E)
{
    const std::size_t Last = E.Terms.size() - 1;
    std::vector<Entry> Single;

    // The longest prefix whose values can be listed.
    const std::vector<Entry>* First = ValuesOf(E.Terms[0], Single);
    if (First == nullptr)
        return;
    std::vector<Entry> List;
    for (const Entry& V : *First)
        List.push_back(Entry{Reverse(V.Key), V.Number});
    KeepLowest(List);
    E.Split = 0;
    for (std::size_t j = 1; j <= Last; ++j) {
        const std::vector<Entry>* Operand = ValuesOf(E.Terms[j], Single);
        if (Operand == nullptr)
            break;
        const std::size_t Candidates = List.size() * Operand->size() * (E.Ops[j].Slot < 0 ? 1 : 3);
        // No list takes more than half the memory, so that the prefix before a
        // large group gets its share too. A list stopped by memory is stopped so in
        // every round, so only the cap on candidates makes a round's lists differ.
        if (BuildBytes * Candidates > MostListBytes / 2 || ListBytes + BuildBytes * Candidates > MostListBytes)
            break;
        if (Candidates > ListCandidates) {
            LongerList = std::min(LongerList, Candidates);
            break;
        }
        Work += Candidates / BuildGain;
        if (Work > WorkBudget)
            return;  // not worth building: this turn gives up
        // The targets' memory kept for the search goes to a long list instead: the
        // two together would take up to twice the lists' memory.
        ListNeed = std::max(ListNeed, ListBytes + BuildBytes * Candidates);
        if (TargetBytes() + ListBytes + BuildBytes * Candidates > MostListBytes)
            FreeTargets();
        std::vector<Entry> Longer = Combine(List, E.Ops[j], *Operand);
        KeepLowest(Longer);
        // Kept, a value takes more than a candidate took to build: the same caps hold.
        if (KeptBytes * Longer.size() > MostListBytes / 2 || ListBytes + KeptBytes * Longer.size() > MostListBytes)
            break;
        List.swap(Longer);
        E.Split = static_cast<int>(j);
    }

    const std::size_t Size = List.size();
    ListBytes += KeptBytes * Size;
    E.Keys.resize(Size);
    E.Plain.resize(Size);
    E.Numbers.resize(Size);
    E.Lowest.assign(2 * Size, None);
    for (std::size_t i = 0; i < Size; ++i) {
        E.Keys[i] = List[i].Key;
        E.Plain[i] = Reverse(List[i].Key);
        E.Numbers[i] = List[i].Number;
        E.Lowest[Size + i] = List[i].Number;
    }
    for (std::size_t i = Size - 1; i > 0; --i)
        E.Lowest[i] = std::min(E.Lowest[2 * i], E.Lowest[2 * i + 1]);
    E.Hash.assign(std::bit_ceil(2 * Size), Vacant);
    for (std::size_t i = 0; i < Size; ++i) {
        std::size_t At = HashOf(E.Plain[i], E.Hash.size() - 1);
        while (E.Hash[At] != Vacant)
            At = (At + 1) & (E.Hash.size() - 1);
        E.Hash[At] = static_cast<std::uint32_t>(i);
    }
    E.FilterBits = std::max(6, static_cast<int>(std::bit_width(16 * Size - 1)));
    E.Filter.assign(std::size_t{1} << (E.FilterBits - 6), 0);
    for (std::size_t i = 0; i < Size; ++i) {
        const std::size_t Bit = FilterOf(E, E.Plain[i]);
        E.Filter[Bit / 64] |= std::uint64_t{1} << (Bit % 64);
    }

    if (static_cast<std::size_t>(E.Split) == Last) {
        E.Listed = true;
        E.Values = std::move(List);
        E.Values.shrink_to_fit();  // only the values are kept, not the candidates
        for (Entry& V : E.Values)
            V.Key = Reverse(V.Key);
        std::sort(E.Values.begin(), E.Values.end(),
                  [](const Entry& a, const Entry& b) { return a.Number < b.Number; });
    }
}

// Classes of at most 2^SmallClass values are looked up value by value.
const int SmallClass = 5;

// The lowest number of a listed prefix value in C.
std::uint64_t Lookup(const Expr& E, Class C)
{
    if (C.Bits == 32) {  // one value, the most asked for
        const std::size_t Bit = FilterOf(E, C.Rest);
        if (((E.Filter[Bit / 64] >> (Bit % 64)) & 1) == 0)
            return None;
        const std::size_t Last = E.Hash.size() - 1;
        for (std::size_t At = HashOf(C.Rest, Last); E.Hash[At] != Vacant; At = (At + 1) & Last)
            if (E.Plain[E.Hash[At]] == C.Rest)
                return E.Numbers[E.Hash[At]];
        return None;
    }
    if (C.Bits >= 32 - SmallClass) {  // a few values: each alone costs less than a search
        std::uint64_t Lowest = None;
        for (std::uint32_t High = 0; High < (1u << (32 - C.Bits)); ++High)
            Lowest = std::min(Lowest, Lookup(E, Class{C.Rest | High << C.Bits, 32}));
        return Lowest;
    }
    const std::uint64_t From = C.Bits == 0 ? 0 : Reverse(C.Rest);
    const std::uint64_t To = From + (std::uint64_t{1} << (32 - C.Bits));
    std::size_t Low = static_cast<std::size_t>(
        std::lower_bound(E.Keys.begin(), E.Keys.end(), From) - E.Keys.begin());

    std::size_t High = static_cast<std::size_t>(
        std::lower_bound(E.Keys.begin(), E.Keys.end(), To) - E.Keys.begin());
    std::uint64_t Lowest = None;
    const std::size_t Size = E.Keys.size();
    for (Low += Size, High += Size; Low < High; Low /= 2, High /= 2) {
        if (Low & 1)
            Lowest = std::min(Lowest, E.Lowest[Low++]);
        if (High & 1)
            Lowest = std::min(Lowest, E.Lowest[--High]);
    }
    return Lowest;
}

// What the search asks of a prefix: a class for its value, with the number of the
// slots chosen outside it. It starts from one target, the wanted result.
struct Target {
    Class C;
    std::uint64_t Fixed;
};

// Targets by depth of the search, reused from one call to the next. Each level goes
// one operand down, and a text of 79 characters holds fewer operands than this.
const int MostDepth = 128;
std::vector<Target> Pool[MostDepth];
// Memory that targets and their table keep from one turn to the next.
const std::size_t MostKeptBytes = std::size_t{96} << 20;
// Lists, targets and sieves together. An entered group's targets take their level's
// 16 bytes each and up to 32 of the table's, the largest sets there are: after long
// lists they come in smaller parts, so that the freed memory the allocator keeps on
// top still leaves the process well under 256 MiB. A test build sets none, so that
// every part is one target's.
#ifndef EXACT_MOST_BYTES
#define EXACT_MOST_BYTES (std::size_t{192} << 20)
#endif
const std::size_t MostBytes = EXACT_MOST_BYTES;
const std::size_t EnteredBytes = 48;

// The sieve of Sift. It is sized when used, since most equations need a small one
// and clearing 2 MiB would cost more than their whole search.
const int MostSieveBits = 26;
int SieveBits;
std::uint32_t SieveMask;
std::vector<std::uint64_t> Sieve;
// When every class fixes more bits than the sieve sees, a second sieve of the same
// size takes a hash of all those bits (AboveMask): values that agree with a target in
// their lowest bits only are common (they come from the same operands), and each
// would cost a search of the table.
std::uint32_t AboveMask;
std::vector<std::uint64_t> Above;

inline std::uint32_t AbovePlace(std::uint32_t Value)
{
    return ((Value & AboveMask) * 0x9E3779B1u) >> (32 - SieveBits);
}

// A class of few bits marks many bits of the sieve, and one of many bits agrees with
// many values in the bits that the sieve sees: with both kinds among the targets, or
// a few classes of few bits, most values pass the sieve, and each would then cost a
// search of the table for every size of class (a long run of one even digit makes
// some 25 sizes). So the classes go by tiers (Tiered): those of at most NarrowMost
// bits keep their lowest fixed numbers by the low bits that they fix (NarrowFixed,
// 2^NarrowBits places), those of at most SieveBits bits have a sieve of their own
// (MiddleSieve), and the wider ones one of a hash of the bits that all of them fix
// (HighSieve, HighMask), as Above does. A value searches the table only for the
// sizes of a tier whose sieve it passes, and there only for a size whose class of
// the value has its bit in ClassSieve, a hash of every class (16 bits a target or more).
const int NarrowMost = 16;
bool Tiered, Middle, High, Filtered;
int NarrowBits;  // -1: no narrow class
int TierBits[2][34], TierSizes[2];  // the sizes of class of the middle and high tiers
std::vector<std::uint64_t> NarrowFixed, MiddleSieve, HighSieve, ClassSieve;
// When the classes of the two lower tiers are few against the list (lookups in it
// would cost no more than a pass), Through looks each up through each map instead,
// and they are left out of the sieves: most values then meet nothing.
std::vector<Target> LowTargets;
std::uint32_t HighMask;
int HighFewest;
int NarrowTop;  // the widest narrow class there may be
// Whether the tiers are built for the targets sifted last, and how many values met
// them before.
bool TiersBuilt;
std::size_t Untiered;

inline std::uint32_t HighPlace(std::uint32_t Value)
{
    return ((Value & HighMask) * 0x9E3779B1u) >> (32 - SieveBits);
}

inline bool Marked(const std::vector<std::uint64_t>& Bits, std::uint32_t At)
{
    return ((Bits[At / 64] >> (At % 64)) & 1) != 0;
}

inline void Mark(std::vector<std::uint64_t>& Bits, std::size_t At)
{
    Bits[At / 64] |= std::uint64_t{1} << (At % 64);
}

// The tidy targets by class, open addressing: the class's rest and the target's
// index, or Vacant; the sizes of class among them, and how many are single values.
struct Place {
    std::uint32_t Rest, Index;
};
std::vector<Place> Table;
int TableBits;
int SizeBits[34];
int Sizes;
std::size_t Singles;

std::size_t TargetBytes()
{
    std::size_t Bytes = Table.capacity() * sizeof(Place);
    for (const std::vector<Target>& T : Pool)
        Bytes += T.capacity() * sizeof(Target);
    return Bytes;
}

void FreeTargets()
{
    for (std::vector<Target>& T : Pool)
        std::vector<Target>().swap(T);
    std::vector<Place>().swap(Table);
    std::vector<std::uint64_t>().swap(Counted);
    std::vector<std::uint64_t>().swap(CountedTops);
}

std::size_t PlaceOf(Class C, int Bits = TableBits)
{
    const std::uint64_t Key = (static_cast<std::uint64_t>(C.Bits) << 32) | C.Rest;
    return static_cast<std::size_t>((Key * 0x9E3779B97F4A7C15ull) >> (64 - Bits));
}

// The place of class C in the table, or the vacant place where it would go.
std::size_t Find(const std::vector<Target>& T, Class C)
{
    std::size_t At = PlaceOf(C);
    while (Table[At].Index != Vacant && (Table[At].Rest != C.Rest || T[Table[At].Index].C.Bits != C.Bits))
        At = (At + 1) & (Table.size() - 1);
    return At;
}

// Drops the empty classes, and those no value of the prefix reaches modulo 256
// (Reached), and keeps each other one once, with its lowest fixed number. Sets run to
// millions of targets, so duplicates are found through the table rather than by
// sorting; the table then serves to meet the targets.
void Tidy(std::vector<Target>& T, const Residues& Reached)
{
    TableBits = static_cast<int>(std::bit_width(std::max<std::size_t>(T.size(), 2) - 1)) + 1;  // at most half full
    Table.assign(std::size_t{1} << TableBits, Place{0, Vacant});
    bool Seen[34] = {};
    Sizes = 0;
    Singles = 0;
    std::size_t Kept = 0;
    // Large tables miss the cache at every place, so each place is fetched a few
    // targets ahead of its use.
    const std::size_t Ahead = 16;
    for (std::size_t n = 0; n < T.size(); ++n) {
        if (n + Ahead < T.size())
            __builtin_prefetch(&Table[PlaceOf(T[n + Ahead].C)]);
        const Target t = T[n];
        if (t.C.Bits < 0 || (t.C.Bits >= 8 && !Holds(Reached, t.C.Rest)))
            continue;
        const std::size_t At = Find(T, t.C);
        if (Table[At].Index != Vacant) {
            T[Table[At].Index].Fixed = std::min(T[Table[At].Index].Fixed, t.Fixed);
            continue;
        }
        Table[At] = Place{t.C.Rest, static_cast<std::uint32_t>(Kept)};
        if (!Seen[t.C.Bits])
            SizeBits[Sizes++] = t.C.Bits;
        Seen[t.C.Bits] = true;
        Singles += t.C.Bits == 32;
        T[Kept++] = t;
    }
    T.resize(Kept);
}

// Whether a target goes into the sieves: all do, but the lower tiers' when looked up.
bool Sifting(const Target& t)
{
    return LowTargets.empty() || t.C.Bits > SieveBits;
}

// Builds the tiers for the targets just sifted: only once their values have called
// for it, since most passes meet few values and would not repay it.
void BuildTiers(const std::vector<Target>& T)
{
    TiersBuilt = true;
    const bool LookedUp = !LowTargets.empty();
    NarrowFixed.assign(NarrowBits >= 0 ? std::size_t{1} << NarrowBits : 0, None);
    MiddleSieve.assign(Middle ? Sieve.size() : 0, 0);
    // With the lower tiers looked up, Above is the high tier's sieve already.
    HighSieve.assign(High && !LookedUp ? Sieve.size() : 0, 0);
    HighMask = Mask(HighFewest);
    // Worth its time only where a tier has sizes to tell apart.
    Filtered = TierSizes[0] > 1 || TierSizes[1] > 1;
    ClassSieve.assign(Filtered ? std::size_t{1} << std::max(0, TableBits - 3) : 0, 0);
    std::size_t MiddleMarks = 0;
    for (const Target& t : T) {
        if (!Sifting(t))
            continue;
        if (Filtered) {
            const std::size_t Place = PlaceOf(t.C, TableBits + 3);
            Mark(ClassSieve, Place);
        }
        if (t.C.Bits <= NarrowTop) {
            for (std::size_t r = t.C.Rest; r < NarrowFixed.size(); r += std::size_t{1} << t.C.Bits)
                NarrowFixed[r] = std::min(NarrowFixed[r], t.Fixed);
        } else if (t.C.Bits > SieveBits) {
            if (LookedUp)
                continue;
            const std::uint32_t At = HighPlace(t.C.Rest);
            Mark(HighSieve, At);
        } else if (MiddleMarks <= (std::size_t{1} << (SieveBits + 2))) {
            const std::uint32_t Step = 1u << t.C.Bits;
            MiddleMarks += (SieveMask + std::size_t{1}) / Step;
            if (MiddleMarks > (std::size_t{1} << (SieveBits + 2)))
                std::fill(MiddleSieve.begin(), MiddleSieve.end(), ~std::uint64_t{0});
            else
                for (std::uint32_t r = t.C.Rest; r <= SieveMask; r += Step)
                    Mark(MiddleSieve, r);
        }
    }
}

// The targets' residues modulo 2^SieveBits, for the tidy targets: a value that meets
// none costs a bit. The sieve grows with the targets, so that few of its bits are set.
// ListSize: the list that the targets will meet.
void Sift(const std::vector<Target>& T, std::size_t ListSize)
{
    SieveBits = std::clamp(static_cast<int>(std::bit_width(T.size())) + 6, 12, MostSieveBits);
    SieveMask = (1u << SieveBits) - 1;
    Sieve.assign(std::size_t{1} << (SieveBits - 6), 0);
    NarrowBits = -1;
    HighFewest = 32;
    TierSizes[0] = TierSizes[1] = 0;
    // A class wider than the sieve is of the high tier, however narrow; the narrow
    // ones' places take no more memory than the sieve.
    NarrowTop = std::min(NarrowMost, SieveBits - 6);
    for (int Size = 0; Size < Sizes; ++Size) {
        const int Bits = SizeBits[Size];
        if (Bits <= NarrowTop)
            NarrowBits = std::max(NarrowBits, Bits);
        else
            TierBits[Bits > SieveBits][TierSizes[Bits > SieveBits]++] = Bits;
        if (Bits > SieveBits)
            HighFewest = std::min(HighFewest, Bits);
    }
    Middle = TierSizes[0] > 0;
    High = TierSizes[1] > 0;
    Tiered = NarrowBits >= 0 || (Middle && High);
    LowTargets.clear();
    if (Tiered) {
        std::size_t Low = 0;
        for (const Target& t : T)
            Low += t.C.Bits <= SieveBits;
        if (Low * RangeCost * ScanGain <= ListSize && T.size() - Low <= ListSize) {
            for (const Target& t : T)
                if (t.C.Bits <= SieveBits)
                    LowTargets.push_back(t);
            NarrowBits = -1;
            Middle = false;
        }
    }
    const bool LookedUp = !LowTargets.empty();
    int Fewest = 33;
    for (int Size = 0; Size < Sizes; ++Size)
        if (!LookedUp || SizeBits[Size] > SieveBits)
            Fewest = std::min(Fewest, SizeBits[Size]);
    AboveMask = Fewest <= 32 && Fewest > SieveBits ? Mask(Fewest) : 0;
    if (AboveMask != 0) {
        Above.assign(Sieve.size(), 0);
        for (const Target& t : T) {
            if (!Sifting(t))
                continue;
            const std::uint32_t At = AbovePlace(t.C.Rest);
            Mark(Above, At);
        }
    }
    TiersBuilt = false;
    Untiered = 0;
    std::size_t Marks = 0;
    for (const Target& t : T) {
        if (!Sifting(t))
            continue;
        const std::uint32_t Step = 1u << std::min(t.C.Bits, SieveBits);
        Marks += (SieveMask + std::size_t{1}) / Step;
        if (Marks > (std::size_t{1} << (SieveBits + 2))) {
            std::fill(Sieve.begin(), Sieve.end(), ~std::uint64_t{0});
            return;
        }
        for (std::uint32_t r = t.C.Rest & SieveMask; r <= SieveMask; r += Step)
            Mark(Sieve, r);
    }
}

// Whether Value may meet a sifted target: most values meet none.
inline bool Sifted(std::uint32_t Value)
{
    if (((Sieve[(Value & SieveMask) / 64] >> (Value % 64)) & 1) == 0)
        return false;
    if (AboveMask == 0)
        return true;
    const std::uint32_t At = AbovePlace(Value);
    return ((Above[At / 64] >> (At % 64)) & 1) != 0;
}

// The lowest fixed number of a sifted target whose class holds Value.
std::uint64_t FixedFor(const std::vector<Target>& T, std::uint32_t Value)
{
    std::uint64_t Lowest = None;
    const auto Meet = [&](int Bits, bool Filtered) {
        const Class C{Value & Mask(Bits), Bits};
        if (Filtered && !Marked(ClassSieve, static_cast<std::uint32_t>(PlaceOf(C, TableBits + 3))))
            return;
        const std::size_t At = Find(T, C);
        if (Table[At].Index != Vacant)
            Lowest = std::min(Lowest, T[Table[At].Index].Fixed);
    };
    if (Tiered && !TiersBuilt && ++Untiered > T.size() / 4)
        BuildTiers(T);
    if (!TiersBuilt) {
        for (int Size = 0; Size < Sizes; ++Size)
            Meet(SizeBits[Size], false);
        return Lowest;
    }
    if (NarrowBits >= 0)
        Lowest = NarrowFixed[Value & Mask(NarrowBits)];
    const bool In[2] = {Middle && Marked(MiddleSieve, Value & SieveMask),
                        High && (HighSieve.empty() || Marked(HighSieve, HighPlace(Value)))};
    for (int Tier = 0; Tier < 2; ++Tier)
        for (int Size = 0; Size < TierSizes[Tier] && In[Tier]; ++Size)
            Meet(TierBits[Tier][Size], Filtered);
    return Lowest;
}

// A step stands for some 45 ns of work on average. Work that costs about half that or
// less is charged half a step, so that the shapes made mostly of it get about as much
// time before giving up as others do. Halves carry over from one charge to the next.
std::uint64_t Owed;

void Charge(std::uint64_t Cost, bool Half)
{
    if (!Half) {
        Work += Cost;
        return;
    }
    Owed += Cost;
    Work += Owed / 2;
    Owed %= 2;
}

// A lookup in a list of at most CachedKeys values, whose filter (512 KiB at most)
// stays in the cache, takes some 5 to 25 ns (7 ns crossing a group's list of 108,000
// values): half a step.
const std::size_t CachedKeys = std::size_t{1} << 18;

// What looking every tidy target up in a list costs, in lookups of a single value.
std::size_t LookupCost(const std::vector<Target>& T)
{
    return Singles + RangeCost * (T.size() - Singles);
}

// What a pass over a list makes of each value x: x * Times + Plus, wrapping around.
// Any operators and operands after a value, left to right, make such a map of it.
struct Map {
    std::uint32_t Times, Plus;
};

Map Then(Map M, char Operator, std::uint32_t Right)
{
    if (Operator == '*')
        return Map{M.Times * Right, M.Plus * Right};
    return Map{M.Times, Operator == '+' ? M.Plus + Right : M.Plus - Right};
}

// The first sieve, read for values From to To of a list through M: the indices of
// those that pass go into Passed, and their count is returned. The read is a gather,
// so where the processor has one in its vectors (chosen at run time, once; a test
// build holds the program to one width), 8 or 16 values are read at a time, up to a
// whole number of vectors; scalar code reads the rest, and all elsewhere.
int VectorBits = 0;  // 0 until chosen

std::uint32_t PassScalar(const std::uint32_t* Plain, std::uint32_t From, std::uint32_t To, Map M,
                         std::uint32_t* Passed, std::uint32_t Count)
{
    const std::uint64_t* const Words = Sieve.data();
    const std::uint32_t Low = SieveMask;
    const auto Read = [&](auto Made) {
        for (std::uint32_t i = From; i < To; ++i) {
            const std::uint32_t Value = Made(Plain[i]);
            Passed[Count] = i;
            Count += static_cast<std::uint32_t>(Words[(Value & Low) / 64] >> (Value % 64)) & 1;
        }
    };
    // Most maps only add: without the product, the loop takes a few instructions less.
    if (M.Times == 1)
        Read([M](std::uint32_t Value) { return Value + M.Plus; });
    else
        Read([M](std::uint32_t Value) { return Value * M.Times + M.Plus; });
    return Count;
}

#if EXACT_VECTORS
[[gnu::target("avx2")]] std::uint32_t Pass8(const std::uint32_t* Plain, std::uint32_t From, std::uint32_t To, Map M,
                                            std::uint32_t* Passed)
{
    using Lanes = std::uint32_t __attribute__((vector_size(32)));
    const int* const Words = reinterpret_cast<const int*>(Sieve.data());
    const std::uint32_t Low = SieveMask;
    std::uint32_t Count = 0;
    for (std::uint32_t i = From; i + 8 <= To; i += 8) {
        Lanes Value;
        std::memcpy(&Value, Plain + i, sizeof Value);
        Value = Value * M.Times + M.Plus;
        const Lanes Word = (Lanes)_mm256_i32gather_epi32(Words, (__m256i)((Value & Low) >> 5), 4);
        for (auto Set = static_cast<unsigned>(_mm256_movemask_ps((__m256)((Word >> (Value & 31)) << 31)));
             Set != 0; Set &= Set - 1)
            Passed[Count++] = i + static_cast<std::uint32_t>(std::countr_zero(Set));
    }
    return PassScalar(Plain, To - (To - From) % 8, To, M, Passed, Count);
}

[[gnu::target("avx512f")]] std::uint32_t Pass16(const std::uint32_t* Plain, std::uint32_t From, std::uint32_t To,
                                                Map M, std::uint32_t* Passed)
{
    using Lanes = std::uint32_t __attribute__((vector_size(64)));
    const int* const Words = reinterpret_cast<const int*>(Sieve.data());
    const std::uint32_t Low = SieveMask;
    std::uint32_t Count = 0;
    Lanes Index = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    Index += From;
    for (std::uint32_t i = From; i + 16 <= To; i += 16, Index += 16) {
        Lanes Value;
        std::memcpy(&Value, Plain + i, sizeof Value);
        Value = Value * M.Times + M.Plus;
        const Lanes Word = (Lanes)_mm512_mask_i32gather_epi32(_mm512_setzero_si512(), 0xFFFF,
                                                              (__m512i)((Value & Low) >> 5), Words, 4);
        const __mmask16 Set = _mm512_test_epi32_mask((__m512i)(Word >> (Value & 31)), _mm512_set1_epi32(1));
        // Compressed in a register and stored whole: a compressing store to memory is
        // microcode on some processors, many times slower. Passed has room for it.
        _mm512_storeu_si512(Passed + Count, _mm512_maskz_compress_epi32(Set, (__m512i)Index));
        Count += static_cast<std::uint32_t>(std::popcount(static_cast<unsigned>(Set)));
    }
    return PassScalar(Plain, To - (To - From) % 16, To, M, Passed, Count);
}
#endif

// A pass over the list against sifted targets, for each of Maps: Best[m] falls to the
// lowest number of a value that, through Maps[m], meets a target. The list is read in
// stretches that stay in the cache, each through every map; the first sieve tells
// which values may meet, and only those are met.
void Through(const Expr& E, const std::vector<Target>& T, const Map* Maps, std::size_t Count, std::uint64_t* Best)
{
    const std::uint32_t* const Plain = E.Plain.data();
    const std::uint32_t Size = static_cast<std::uint32_t>(E.Keys.size());
    const std::uint32_t Stretch = 512;
    std::uint32_t Passed[Stretch + 16];  // and a vector's room past the last
    for (std::size_t m = 0; m < Count; ++m)
        for (const Target& t : LowTargets) {
            // x * Times + Plus in C: x * Times in C - Plus.
            const Class C = Divide(MakeClass(t.C.Rest - Maps[m].Plus, t.C.Bits), Maps[m].Times);
            const std::uint64_t Lowest = C.Bits < 0 ? None : Lookup(E, C);
            if (Lowest != None)
                Best[m] = std::min(Best[m], Lowest + t.Fixed);
        }
    for (std::uint32_t From = 0; From < Size; From += Stretch) {
        const std::uint32_t To = std::min(Size, From + Stretch);
        for (std::size_t m = 0; m < Count; ++m) {
            const Map M = Maps[m];
#if EXACT_VECTORS
            const std::uint32_t Passing = VectorBits == 512   ? Pass16(Plain, From, To, M, Passed)
                                          : VectorBits == 256 ? Pass8(Plain, From, To, M, Passed)
                                                              : PassScalar(Plain, From, To, M, Passed, 0);
#else
            const std::uint32_t Passing = PassScalar(Plain, From, To, M, Passed, 0);
#endif
            for (std::uint32_t k = 0; k < Passing; ++k) {
                const std::uint32_t Value = Plain[Passed[k]] * M.Times + M.Plus;
                if (!Sifted(Value))
                    continue;
                const std::uint64_t Fixed = FixedFor(T, Value);
                if (Fixed != None)
                    Best[m] = std::min(Best[m], E.Numbers[Passed[k]] + Fixed);
            }
        }
    }
}

// The lowest number of a listed prefix value, with the operand and operator after it
// (Operator 0: none), in a target's class, plus its fixed number. Scan goes through
// the list rather than the targets, which must then be sifted.
std::uint64_t Meet(const Expr& E, const std::vector<Target>& T, char Operator, std::uint32_t Operand,
                   bool Scan)
{
    std::uint64_t Best = None;
    if (!Scan) {
        Charge(LookupCost(T), E.Keys.size() <= CachedKeys);
        // Every target asks through the same operand, so a factor's inverse is worked
        // out once. Single values are told apart from the list's filter for a stretch
        // of targets without a branch; the few that may be in it are looked up after.
        const int Twos = std::countr_zero(Operand);
        const std::uint32_t Odd = Operand == 0 ? 0 : Inverse(Operand >> Twos);
        const auto Asked = [&](Class C) {
            if (Operator == 0)
                return C;
            if (Operator != '*')
                return MakeClass(Operator == '+' ? C.Rest - Operand : C.Rest + Operand, C.Bits);
            if (Twos >= C.Bits)  // as Divide does
                return C.Rest == 0 ? Class{0, 0} : Empty;
            if ((C.Rest & Mask(Twos)) != 0)
                return Empty;
            return MakeClass((C.Rest >> Twos) * Odd, C.Bits - Twos);
        };
        const std::uint64_t* const Words = E.Filter.data();
        const std::size_t Stretch = 256;
        Class Classes[Stretch];
        std::uint64_t Fixed[Stretch];
        for (std::size_t From = 0; From < T.size(); From += Stretch) {
            const std::size_t To = std::min(T.size(), From + Stretch);
            std::size_t Count = 0;
            for (std::size_t n = From; n < To; ++n) {
                const Class C = Asked(T[n].C);
                const std::size_t Bit = FilterOf(E, C.Rest);
                Classes[Count] = C;
                Fixed[Count] = T[n].Fixed;
                Count += C.Bits == 32 ? (Words[Bit / 64] >> (Bit % 64)) & 1 : C.Bits >= 0;
            }
            for (std::size_t k = 0; k < Count; ++k) {
                const std::uint64_t Lowest = Lookup(E, Classes[k]);
                if (Lowest != None)
                    Best = std::min(Best, Lowest + Fixed[k]);
            }
        }
        return Best;
    }
    Work += E.Keys.size() / ScanGain + 1;
    const Map M = Operator == 0 ? Map{1, 0} : Then(Map{1, 0}, Operator, Operand);
    Through(E, T, &M, 1, &Best);
    return Best;
}

// Meet's pass for the three operators of a slot before one operand at once: the list
// is read once, and Best[k] is what Meet finds for the k-th. The caller charges it.
void MeetThree(const Expr& E, const std::vector<Target>& T, std::uint32_t Operand, std::uint64_t* Best)
{
    Best[0] = Best[1] = Best[2] = None;
    const Map Maps[] = {{1, Operand}, {1, 0u - Operand}, {Operand, 0}};
    Through(E, T, Maps, 3, Best);
}

// The operands and operators after a listed prefix, for going through every value
// of a longer prefix: each value of the list, extended by every choice of each.
struct Level {
    const std::vector<Entry>* Values;
    std::vector<Entry> Single;
    char Operator[3];
    std::uint64_t Added[3];
    int Count;
};
Level Levels[MostDepth];
int StreamLast;
const std::vector<Target>* Streaming;
// Set when the search just made cost the same for any number of targets (it went
// through a prefix's values, or met each choice by a pass over the list), so that
// the next block of choices may be as wide as can be. Other searches clear it.
bool Streamed;
std::uint64_t StreamBest;

// The values and operators of Terms[i]; false when the operand has no list.
bool Describe(const Expr& E, int i, Level& L)
{
    L.Values = ValuesOf(E.Terms[static_cast<std::size_t>(i)], L.Single);
    L.Count = Choices(E.Ops[static_cast<std::size_t>(i)], L.Operator, L.Added);
    return L.Values != nullptr;
}

// How many values going through the prefix up to Terms[j] makes, or None when an
// operand after the listed prefix has no list.
std::uint64_t StreamSize(const Expr& E, int j)
{
    std::uint64_t Made = E.Keys.size();
    for (int i = E.Split + 1; i <= j; ++i) {
        Level& L = Levels[i];
        if (!Describe(E, i, L))
            return None;
        Made *= L.Values->size() * static_cast<std::uint64_t>(L.Count);
        if (Made > (std::uint64_t{1} << 40))
            return None;
    }
    return Made;
}

// The maps of the choices after the list, with the numbers they add, met with the
// targets in batches: each batch is one pass over the list.
const int BatchSize = 1024;
Map Batch[BatchSize];
std::uint64_t BatchNumber[BatchSize], BatchBest[BatchSize];
int Batched;
const Expr* StreamList;

void MeetBatch()
{
    std::fill(BatchBest, BatchBest + Batched, None);
    Through(*StreamList, *Streaming, Batch, static_cast<std::size_t>(Batched), BatchBest);
    for (int n = 0; n < Batched; ++n)
        if (BatchBest[n] != None)
            StreamBest = std::min(StreamBest, BatchBest[n] + BatchNumber[n]);
    Batched = 0;
}

void Extend(int j, Map M, std::uint64_t Number)
{
    const Level& L = Levels[j];
    for (const Entry& V : *L.Values)
        for (int k = 0; k < L.Count; ++k) {
            const Map Made = Then(M, L.Operator[k], V.Key);
            if (j < StreamLast) {
                Extend(j + 1, Made, Number + V.Number + L.Added[k]);
                continue;
            }
            Batch[Batched] = Made;
            BatchNumber[Batched++] = Number + V.Number + L.Added[k];
            if (Batched == BatchSize)
                MeetBatch();
        }
}

// Narrows the span to choices First to Last of Of for the search inside, and back.
struct Narrow {
    double From = SpanFrom, Width = SpanWidth;
    Narrow(double First, double Last, double Of)
    {
        SpanFrom += SpanWidth * First / Of;
        SpanWidth *= (Last - First) / Of;
        Reached = std::max(Reached, SpanFrom);
    }
    ~Narrow() { SpanFrom = From, SpanWidth = Width; }
};

// The lowest number for the operands and operators up to Terms[j] of expression e
// that meets one of the targets in Pool[Depth], or None. The targets are ordered when
// their fixed numbers count less than every choice left. Targets made from a listed
// operand's values, a few operations and a place in the table each (some 20 ns), are
// Cheap: half a step. Not those of a group entered or counted through: there, a
// turn that cannot finish would spend twice the time before giving up, and such turns
// often come before the one that answers.
std::uint64_t Solve(int e, int j, int Depth, bool Ordered, bool Cheap)
{
    std::vector<Target>& T = Pool[Depth];
    const Expr& E = Exprs[static_cast<std::size_t>(e)];
    // Every target counts, pruned or not: a group counted through may make many.
    Charge(T.size(), Cheap);
    if (Work > WorkBudget) {
        GaveUp = true;
        return None;
    }
    Tidy(T, E.Reached[static_cast<std::size_t>(j)]);
    if (T.empty())
        return None;
    if (j == E.Split) {
        const bool Scan = E.Keys.size() < ScanGain * LookupCost(T);
        if (Scan)
            Sift(T, E.Keys.size());
        return Meet(E, T, 0, 0, Scan);
    }
    const Term& Operand = E.Terms[static_cast<std::size_t>(j)];
    std::vector<Target>& Next = Pool[Depth + 1];

    // Many targets two or more operands above the listed prefix: going through every
    // value of the prefix up to Terms[j] against all the targets at once may cost
    // less than carrying the targets down choice by choice. It finds the lowest of all.
    if (j - 1 > E.Split && E.Split >= 0 && E.Keys.size() < ScanGain * T.size()) {
        const std::uint64_t Made = StreamSize(E, j);
        if (Made != None && Made / ScanGain <= StreamGain * T.size()) {
            Work += Made / ScanGain;
            if (Work > WorkBudget) {
                GaveUp = true;
                return None;
            }
            Sift(T, E.Keys.size());
            Streamed = true;
            Streaming = &T;
            StreamLast = j;
            StreamBest = None;
            StreamList = &E;
            Extend(E.Split + 1, Map{1, 0}, 0);
            MeetBatch();
            return StreamBest;
        }
    }

    // A failure does not depend on the fixed numbers, so a single target's is kept.
    const bool Single = T.size() == 1;
    const std::uint64_t Key = (static_cast<std::uint64_t>(e) << 48) | (static_cast<std::uint64_t>(j) << 40) |
                              (static_cast<std::uint64_t>(T[0].C.Bits) << 32) | T[0].C.Rest;
    if (Single && FailedPlace(Key) == Key)
        return None;
    char Operator[3];
    std::uint64_t Added[3];
    const int Count = Choices(E.Ops[static_cast<std::size_t>(j)], Operator, Added);
    std::vector<Entry> Scratch;
    const std::vector<Entry>* Values = ValuesOf(Operand, Scratch);
    const bool Meeting = j - 1 == E.Split;
    // A group too large to list, after the listed prefix, is searched for all the
    // prefix's values and operators at once, each a target of its own, in parts of
    // Part targets; the counting strategy counts it through rather than take parts.
    const std::size_t Asked = E.Keys.size() * static_cast<std::size_t>(Count);
    const std::size_t Part = Asked > 0 && Asked <= MostEntered ? MostEntered / Asked : 0;
    const bool Enter = Values == nullptr && Meeting && Part > 0 && (!Counting || T.size() <= Part);
    // A listed group after the listed prefix may instead be met target by target: each
    // target, prefix value and operator asks for one class of the group's value, looked
    // up in the group's list. It finds the lowest of all choices at once, so with
    // ordered targets, where an early choice may meet, the choices go first until
    // they have cost as much.
    const std::uint64_t Crossed = LookupCost(T) * E.Keys.size() * static_cast<std::size_t>(Count);
    const bool Cross = Values != nullptr && Operand.IsGroup && Meeting &&
                       Crossed < Values->size() * static_cast<std::size_t>(Count) *
                                     std::min(LookupCost(T), E.Keys.size() / ScanGain + 1);
    const bool CrossCached = Cross && Exprs[static_cast<std::size_t>(Operand.Group)].Keys.size() <= CachedKeys;
    const std::uint64_t CrossFrom = Work + (Cross && Ordered ? (CrossCached ? Crossed / 2 : Crossed) : 0);
    std::uint64_t Best = None;
    if (Values != nullptr) {
        // The operand's value and the operator before it are the most significant
        // choices left. Next to the listed prefix each is met with it at once;
        // further up they go down in blocks growing fourfold, each block one set of
        // targets whose fixed numbers hold the choice. The first block that meets
        // the prefix holds the lowest number, unless the targets are not ordered.
        const std::size_t Choices = Values->size() * static_cast<std::size_t>(Count);
        const bool Scan = !Cross && Meeting && E.Keys.size() < ScanGain * LookupCost(T);
        if (Scan)
            Sift(T, E.Keys.size());
        std::uint64_t Three[3] = {None, None, None};  // set at each value's first operator
        const std::size_t Widest = Meeting ? 1 : std::max<std::size_t>(1, MostTargets / T.size());
        std::size_t Size = Ordered ? 1 : Widest;
        for (std::size_t First = 0; First < Choices; First += Size, Size = Streamed ? Widest : std::min(4 * Size, Widest)) {
            const std::size_t Last = std::min(Choices, First + Size);
            std::uint64_t Rest;
            if (Cross && Work >= CrossFrom) {  // the choices so far did not meet
                Charge(Crossed, CrossCached);
                GaveUp = Work > WorkBudget;
                if (GaveUp)
                    return None;
                const Expr& G = Exprs[static_cast<std::size_t>(Operand.Group)];
                for (int k = 0; k < Count; ++k)
                    for (const Target& t : T)
                        for (std::size_t i = 0; i < E.Keys.size(); ++i) {
                            const Class C = After(t.C, Operator[k], E.Plain[i]);
                            const std::uint64_t Lowest = C.Bits < 0 ? None : Lookup(G, C);
                            if (Lowest != None)
                                Best = std::min(Best, Lowest + t.Fixed + E.Numbers[i] + Added[k]);
                        }
                break;
            }
            if (Meeting) {
                const Narrow Span(static_cast<double>(First), static_cast<double>(Last), static_cast<double>(Choices));
                const Entry& V = (*Values)[First / static_cast<std::size_t>(Count)];
                const int k = static_cast<int>(First % static_cast<std::size_t>(Count));
                // A pass meets all three operators at once, each charged as its own
                // pass when its turn comes, so that the steps are those of three.
                if (Scan && Count == 3) {
                    if (k == 0)
                        MeetThree(E, T, V.Key, Three);
                    Work += E.Keys.size() / ScanGain + 1;
                    Rest = Three[k];
                } else {
                    Rest = Meet(E, T, Operator[k], V.Key, Scan);
                }
                if (Rest != None)
                    Rest += V.Number + Added[k];
                GaveUp = Work > WorkBudget;
            } else {
                Next.clear();
                Next.reserve((Last - First) * T.size());
                for (std::size_t c = First; c < Last; ++c) {
                    const Entry& V = (*Values)[c / static_cast<std::size_t>(Count)];
                    const int k = static_cast<int>(c % static_cast<std::size_t>(Count));
                    for (const Target& t : T)
                        Next.push_back(Target{Before(t.C, Operator[k], V.Key), t.Fixed + V.Number + Added[k]});
                }
                Streamed = false;
                const Narrow Span(static_cast<double>(First), static_cast<double>(Last), static_cast<double>(Choices));
                Rest = Solve(e, j - 1, Depth + 1, Ordered && Last - First == 1, true);
            }
            if (GaveUp)
                return None;
            if (Rest != None && Ordered)
                return Rest;
            Best = std::min(Best, Rest);
        }
        Streamed = Meeting && Scan;
    } else if (Enter) {
        // The group is the most significant part, so it is searched for every prefix
        // value and operator at once, each a target of its own; for many targets, a
        // part of them at a time, the lowest of the parts' answers.
        CountingPays = CountingPays || (ShortLists && T.size() > Part);
        // What the lists and the other levels hold; the part's own level and the table
        // are refilled.
        const std::size_t Sieves = sizeof(std::uint64_t) * (Sieve.capacity() + Above.capacity());
        const std::size_t Held = ListBytes + TargetBytes() + Sieves - sizeof(Target) * Next.capacity() -
                                 sizeof(Place) * Table.capacity();
        const std::size_t Fits = Held < MostBytes ? (MostBytes - Held) / EnteredBytes / Asked : 0;
        const std::size_t Step = std::clamp<std::size_t>(Fits, 1, Part);
        for (std::size_t From = 0; From < T.size() && !GaveUp; From += Step) {
            Next.clear();
            Next.reserve(std::min(T.size() - From, Step) * Asked);
            for (std::size_t p = From; p < std::min(T.size(), From + Step); ++p)
                for (std::size_t i = 0; i < E.Keys.size(); ++i)
                    for (int k = 0; k < Count; ++k)
                        Next.push_back(Target{After(T[p].C, Operator[k], E.Plain[i]),
                                              T[p].Fixed + Added[k] + E.Numbers[i]});
            const Narrow Span(static_cast<double>(From), static_cast<double>(std::min(T.size(), From + Step)),
                              static_cast<double>(T.size()));
            Best = std::min(Best, Solve(Operand.Group, static_cast<int>(Exprs[Operand.Group].Terms.size()) - 1,
                                        Depth + 1, Ordered, false));
        }
        Streamed = false;
        if (GaveUp)
            return None;
    } else {
        // Too many values to list, and not entered: the group's combinations are
        // counted through from the lowest, in blocks as above. Right after the listed
        // prefix, each value is met with the list at once, as a listed operand's is:
        // the targets stay as they are, however many.
        const std::vector<int>& Inner = Exprs[Operand.Group].Slots;
        for (const int Slot : Inner)
            Digit[Slot] = 0;
        std::uint64_t Number = 0;
        const std::size_t Widest = std::max<std::size_t>(1, MostTargets / T.size());
        std::size_t Size = Ordered ? 1 : Widest, Made = 0, Since = 0;
        Next.clear();
        // Searches the block made so far; says whether the search ends here.
        double Index = 0, Whole = 1, BlockFrom = 0;  // the span's share of the counting
        const auto Flush = [&] {
            Streamed = false;
            const Narrow Span(BlockFrom, std::min(Index + 1, Whole), Whole);
            BlockFrom = Index + 1;
            const std::uint64_t Rest = Solve(e, j - 1, Depth + 1, Ordered && Made == 1, false);
            Best = std::min(Best, Rest);
            Made = 0, Since = 0;
            Size = Streamed ? Widest : std::min(4 * Size, Widest);
            Next.clear();
            return GaveUp || (Rest != None && Ordered);
        };
        // With a listed prefix of several values, the group's values come by the
        // choices of its other operands, the most significant, in order: each choice
        // with every value of the prefix is a part of a block. Otherwise its
        // combinations one by one, the same values in blocks that can start ordered.
        const Expr& G = Exprs[static_cast<std::size_t>(Operand.Group)];
        const int GroupLast = static_cast<int>(G.Terms.size()) - 1;
        std::vector<Level> Suffix(static_cast<std::size_t>(GroupLast - G.Split));
        bool ByPrefix = G.Keys.size() > 1 && G.Keys.size() * T.size() * static_cast<std::size_t>(Count) <= MostEntered;
        for (std::size_t i = 0; i < Suffix.size() && ByPrefix; ++i)
            ByPrefix = Describe(G, G.Split + 1 + static_cast<int>(i), Suffix[i]);
        std::vector<std::size_t> Choice(Suffix.size());
        for (std::size_t i = 0; i < Suffix.size() && ByPrefix; ++i)
            Whole *= static_cast<double>(Suffix[i].Values->size() * static_cast<std::size_t>(Suffix[i].Count));
        if (!ByPrefix)
            Whole = static_cast<double>(Weight[Inner.size()]);
        // Room for the widest block at once: memory reserved but never reached costs nothing.
        if (ByPrefix || !Meeting)
            Next.reserve(T.size() * (Widest + (ByPrefix ? G.Keys.size() * static_cast<std::size_t>(Count) : 0)));
        for (bool More = true; More && ByPrefix;) {
            std::uint64_t Number = 0;
            for (std::size_t i = 0; i < Suffix.size(); ++i)
                Number += (*Suffix[i].Values)[Choice[i] / static_cast<std::size_t>(Suffix[i].Count)].Number +
                          Suffix[i].Added[Choice[i] % static_cast<std::size_t>(Suffix[i].Count)];
            for (std::size_t p = 0; p < G.Keys.size(); ++p) {
                std::uint32_t Value = G.Plain[p];
                for (std::size_t i = 0; i < Suffix.size(); ++i)
                    Value = Apply(Value, Suffix[i].Operator[Choice[i] % static_cast<std::size_t>(Suffix[i].Count)],
                                  (*Suffix[i].Values)[Choice[i] / static_cast<std::size_t>(Suffix[i].Count)].Key);
                for (int k = 0; k < Count; ++k)
                    for (const Target& t : T)
                        Next.push_back(Target{Before(t.C, Operator[k], Value),
                                              t.Fixed + Number + G.Numbers[p] + Added[k]});
            }
            Made += G.Keys.size() * static_cast<std::size_t>(Count);
            if (Made >= Size && Flush())
                return GaveUp ? None : Best;
            std::size_t i = 0;
            for (; i < Suffix.size() && ++Choice[i] == Suffix[i].Values->size() * static_cast<std::size_t>(Suffix[i].Count); ++i)
                Choice[i] = 0;
            More = i < Suffix.size();
            ++Index;
        }
        const bool Scan = Meeting && E.Keys.size() < ScanGain * LookupCost(T);
        if (Scan && !ByPrefix)
            Sift(T, E.Keys.size());
        // The slots of the group's last operand are its most significant, so when
        // that operand's value repeats, the group's values repeat with it, each with
        // a higher number than the first time: they are all passed over at once.
        const Term& Top = G.Terms.back();
        const std::size_t Below = Inner.size() - (Top.IsGroup ? Exprs[Top.Group].Slots.size() : 0);
        const std::uint64_t Mine = ++Generation << 32, TopMine = ++Generation << 32;
        bool Fresh = true;  // the digits below the last operand's are all 0
        StartCounting(Operand.Group, -1, 0);
        for (bool More = !ByPrefix; More;) {
            // A value counted before had a lower number and met the same targets.
            bool Again = Fresh && Below < Inner.size() && Repeated(CountedTops, TopMine, CountedValue(Top.Group));
            for (std::size_t i = 0; i < Below && Again; ++i) {
                Digit[Inner[i]] = 2;
                Number += 2 * Weight[Inner[i]];
                Changed(Inner[i]);
            }
            const std::uint32_t Value = Again ? 0 : CountedValue(Operand.Group);
            Again = Again || Repeated(Counted, Mine, Value);
            if (Again && ++Work > WorkBudget) {
                GaveUp = true;
                return None;
            }
            for (int k = 0; k < Count && !Again; ++k) {
                if (Meeting) {
                    Reached = std::max(Reached, SpanFrom + SpanWidth * Index / Whole);
                    std::uint64_t Rest = Meet(E, T, Operator[k], Value, Scan);
                    if (Rest != None)
                        Rest += Number + Added[k];
                    if (Work > WorkBudget) {
                        GaveUp = true;
                        return None;
                    }
                    if (Rest != None && Ordered)
                        return Rest;
                    Best = std::min(Best, Rest);
                    continue;
                }
                for (const Target& t : T)
                    Next.push_back(Target{Before(t.C, Operator[k], Value), t.Fixed + Number + Added[k]});
                if (++Made >= Size && Flush())
                    return GaveUp ? None : Best;
            }
            // A block also ends once the count has passed as many combinations as its
            // targets could number: a group whose values repeat would otherwise fill
            // no block for millions of combinations, holding back an early answer.
            if (!Meeting && ++Since >= Size * T.size() && Flush())
                return GaveUp ? None : Best;
            std::size_t i = 0;
            for (; i < Inner.size() && Digit[Inner[i]] == 2; ++i) {
                Digit[Inner[i]] = 0;
                Number -= 2 * Weight[Inner[i]];
                Changed(Inner[i]);
            }
            More = i < Inner.size();
            if (More) {
                ++Digit[Inner[i]];
                Number += Weight[Inner[i]];
                Changed(Inner[i]);
                Index = static_cast<double>(Number / Weight[Inner[0]]);
            }
            Fresh = i >= Below;
        }
        if (Made > 0 && Flush())
            return GaveUp ? None : Best;
        Streamed = false;
    }
    if (Best == None && Single && !GaveUp)
        FailedPlace(Key) = Key;
    return Best;
}

}  // namespace

ExactOutcome ExactSearch(const char* Expression, const int* Slot, int Slots, std::uint32_t Wanted,
                         std::uint64_t& Combination)
{
    // 3^40 still fits the counter; the normalised text holds fewer slots anyway.
    if (Slots > 40)
        return ExactOutcome::OverBudget;
    if (VectorBits == 0) {
#if defined(FORCE_VECTOR_BITS)
        VectorBits = FORCE_VECTOR_BITS;
#elif EXACT_VECTORS
        __builtin_cpu_init();
        VectorBits = __builtin_cpu_supports("avx512f") ? 512 : __builtin_cpu_supports("avx2") ? 256 : 128;
#else
        VectorBits = 128;
#endif
    }
    Text = Expression;
    GaveUp = true;
    FailedBits = 0;
    // Counts are numbered afresh, so that no count is numbered 0 like an empty place
    // of the caches of counted values, which each equation takes anew.
    Generation = 0;
    std::fill(SlotAt, SlotAt + 128, -1);
    Weight[0] = 1;
    for (int k = 0; k < Slots; ++k) {
        SlotAt[Slot[k]] = k;
        Weight[k + 1] = Weight[k] * 3;
    }
    // Rounds 2 to 0: short lists and a deep search above them, or longer lists and a
    // shallower search. They take turns, with budgets growing fourfold each turn, so
    // that an equation costs a small multiple of what suits it best. Round 3 has the
    // short lists and counts through every group too large to list, once a turn with
    // those lists has entered such a group in parts. It follows round 2 in the first
    // turn: where both need the last budget, round 2 answers more often, and a turn
    // ends at its first answer.
    std::uint64_t Found = None;
    bool Same[4] = {};  // its lists would be those of the round before
    CountingPays = false;
    // After the first turn, the rounds go in order of the steps they seem to need in
    // all; one not run yet comes after those, and one that reached nothing (its first
    // choice alone took the budget) last. Round 3 stays right after round 2: it
    // answers among a group's first combinations or not at all, so how far it got
    // does not tell when it will answer.
    const double NotRun = 1e299, Nowhere = 1e300;
    std::array<int, 4> Order = {2, 3, 1, 0};
    // The lists of the last turn, while held: a turn with the same cap on candidates
    // takes them as they are, with what building them charged, for they depend on
    // nothing else once built (as they would be again, since budgets only grow).
    struct Lists {
        bool Valid = false;
        std::size_t Candidates = 0;
        std::uint64_t Work = 0;
        std::size_t Longer = 0, Bytes = 0, Need = 0;
    } Held;
    double Need[3] = {NotRun, NotRun, NotRun};
    // The share of its search each round reached in its last turn, and in the one before.
    double Share[3] = {}, Before[3] = {};
    bool LastChance = false;
    for (std::uint64_t Budget = FirstWork; GaveUp; Budget *= 4) {
        std::stable_sort(Order.begin(), Order.end(),
                         [&](int a, int b) { return Need[std::min(a, 2)] < Need[std::min(b, 2)]; });
        for (const int Round : Order) {
            if (!GaveUp)
                break;
            if (Same[Round] || (Round == 3 && !CountingPays) || (LastChance && Round != Order[0]))
                continue;
            Counting = Round == 3;
            ShortLists = Round >= 2;
            ListCandidates = MostCandidates >> (3 * std::min(Round, 2));
            Owed = 0;
            WorkBudget = LastChance ? 2 * MostWork : std::min(Budget, MostWork);
            if (Held.Valid && Held.Candidates == ListCandidates && Held.Work <= WorkBudget) {
                Work = Held.Work;
                LongerList = Held.Longer;
                ListBytes = Held.Bytes;
                if (TargetBytes() + Held.Need > MostListBytes)
                    FreeTargets();
            } else {
                std::vector<Expr>().swap(Exprs);
                LongerList = ~std::size_t{0};
                ListBytes = 0;
                ListNeed = 0;
                Work = 0;
                int Position = 0;
                ParseExpr(Position);
                // A group's expression comes after its parent's, and is prepared before it.
                for (std::size_t e = Exprs.size(); e-- > 0 && Work <= WorkBudget;)
                    Prepare(Exprs[e]);
                Held = Lists{Work <= WorkBudget, ListCandidates, Work, LongerList, ListBytes, ListNeed};
            }
            GaveUp = Work > WorkBudget;
            for (int Longer = std::min(Round, 2) - 1; Longer >= 0 && !GaveUp; --Longer)
                Same[Longer] = Same[Longer] || (MostCandidates >> (3 * Longer)) < LongerList;
            // A failure is a fact of the text, whatever found it: a turn keeps those of
            // the turns before, in a cache that grows with the budget.
            const int Bits = std::min(EXACT_FAILED_BITS, std::max(4, static_cast<int>(std::bit_width(WorkBudget)) - 6));
            if (Bits > FailedBits) {
                std::vector<std::uint64_t> Old(std::size_t{1} << Bits, None);
                Old.swap(Failed);
                FailedBits = Bits;
                for (const std::uint64_t Key : Old)
                    if (Key != None)
                        FailedPlace(Key) = Key;
            }
            Pool[0].assign(1, Target{Class{Wanted, 32}, 0});
            SpanFrom = 0, SpanWidth = 1, Reached = 0;
            if (!GaveUp)
                Found = Solve(0, static_cast<int>(Exprs[0].Terms.size()) - 1, 0, true, false);
            if (Round < 3) {
                Need[Round] = Reached > 0 ? static_cast<double>(Work) / Reached : Nowhere;
                Before[Round] = Share[Round];
                Share[Round] = Reached;
            }
#ifdef EXACT_SHOW_WORK
            std::fprintf(stderr, "velkora: exact search: lists of %zu candidates, reached %.4f, %llu of %llu steps%s\n",
                         ListCandidates, Reached, static_cast<unsigned long long>(Work),
                         static_cast<unsigned long long>(WorkBudget), GaveUp ? ", gave up" : "");
#endif
            // The targets and their table keep their memory up to MostKeptBytes: taken
            // afresh, their pages cost a third of the time of many equations.
            if (TargetBytes() > MostKeptBytes)
                FreeTargets();
        }
        // A round that seems to need at most twice the last budget in all, most of
        // the way through it, gets one more turn of that length on its own: its
        // answer would be proven, where the fallback proves nothing. So does one whose
        // share did not move at all in a turn four times as long as the one before:
        // it was inside one block all along, so its estimate tells nothing.
        if (Budget >= MostWork) {
            const int Best = static_cast<int>(std::min_element(Need, Need + 3) - Need);
            const bool Blind = Share[Best] > 0 && Share[Best] == Before[Best];
            if (LastChance || (Need[Best] > static_cast<double>(2 * MostWork) && !Blind))
                break;
            LastChance = true;
            continue;
        }
        // A single strategy: all the rest at once. Not with the counting strategy
        // too, which would spend the whole budget first though the other needs little.
        if (Same[0] && Same[1] && !CountingPays)
            Budget = MostWork / 4;
    }
    std::vector<Expr>().swap(Exprs);
    std::vector<std::uint64_t>().swap(Failed);
    FreeTargets();
    if (GaveUp)
        return ExactOutcome::OverBudget;
    if (Found == None)
        return ExactOutcome::Impossible;
    Combination = Found;
    return ExactOutcome::Found;
}
