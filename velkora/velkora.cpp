// velkora: puts +, - or * into every gap of an equation whose operators are missing,
// evaluating strictly from left to right, and prints the first combination that
// gives the required result. Reads "velkora.in" in the current directory.

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>

#include "exact.h"

std::ifstream IN;

int Run;
int Result;
// Only positions 0 to 79 are ever written, so the text always ends inside the buffer.
char Expression[100];
int Operator[100];  // positions of the operator slots in Expression, leftmost first
int Operators;
int Position;  // the evaluation cursor
bool Solvable;

// 3 to the power 19 is the most combinations a 32-bit signed counter holds.
const int MostSlotsSearched = 19;
// From this many slots on, the exact search of exact.cpp answers instead; a test
// build lowers it to compare both searches.
#ifndef EXACT_FROM_SLOTS
#define EXACT_FROM_SLOTS 20
#endif

// A note has been written to standard error: the exit status becomes 1.
bool Failed;
// The expression did not fit the buffer, so it is not searched.
bool Refused;

// Starts a note on the current equation; the caller ends the line.
std::ostream& Note()
{
    Failed = true;
    return std::cerr << "velkora: Equation #" << Run << ": ";
}

void ReadResult()
{
    // A stream already at its end leaves the variable untouched.
    Result = 0;
    if (IN >> Result)
        return;
    // A failed extraction stores 0 when it found no number at all, and the
    // nearest limit when the number is out of range; the file's end is quiet.
    if (Result != 0)
        Note() << "the result is outside the 32-bit range" << std::endl;
    else if (!IN.eof())
        Note() << "text that is not a number stands where the result belongs" << std::endl;
    Result = 0;
}

// Reads the rest of the line into Expression. A longer line than the buffer takes
// is dropped to its end, and refused unless only spaces and line-end characters
// are lost.
void ReadExpression()
{
    IN.getline(Expression, 80);
    if (IN.fail()) {
        const bool Full = IN.gcount() == 79 && !IN.eof();
        IN.clear();  // an empty last line is no error, nor is a full buffer
        if (Full)
            for (int Next = IN.get(); Next != EOF && Next != '\n'; Next = IN.get())
                if (Next != ' ' && Next != '\r')
                    Refused = true;
        if (Refused)
            Note() << "the expression is longer than 79 characters (spaces and a carriage "
                   << "return at the end of its line aside); it is not searched" << std::endl;
    }
    // Trailing spaces go anyway; a carriage return belongs to a CR LF line end.
    std::size_t Length = std::strlen(Expression);
    while (Length > 0 && (Expression[Length - 1] == ' ' || Expression[Length - 1] == '\r'))
        Expression[--Length] = '\0';
}

// Leaves exactly one space between operands, and none elsewhere. The work is done
// in a larger buffer, since the spaces put between ")(" may lengthen the text
// before later deletions shorten it again; only the final length must fit.
void Normalise()
{
    // Deletions never bring a ")" next to a "(", so only the ")(" of the text read
    // gain a space, one each: 79 characters hold at most 39 of them, and the
    // 118 characters they can make, with the zero byte after them, fit here.
    char Text[120] = {};
    int Length = static_cast<int>(std::strlen(Expression));
    std::memcpy(Text, Expression, static_cast<std::size_t>(Length));
    int i = 0;
    while (i < Length) {
        char* Here = Text + i;
        if (Here[0] == ' ' &&
            (Here[1] == ' ' || Here[1] == '\0' || Here[1] == ')' || (i > 0 && Here[-1] == '('))) {
            std::memmove(Here, Here + 1, static_cast<std::size_t>(Length - i));  // the zero byte too
            --Length;
            continue;
        }
        if (Here[0] == ')' && Here[1] == '(') {
            std::memmove(Here + 2, Here + 1, static_cast<std::size_t>(Length - i));
            Here[1] = ' ';
            ++Length;
        }
        ++i;
    }
    if (Length > 79) {
        Refused = true;
        Note() << "the expression is " << Length << " characters long once a space stands "
               << "between each \")(\", more than 79; it is not searched" << std::endl;
        return;
    }
    std::memcpy(Expression, Text, static_cast<std::size_t>(Length) + 1);
}

void Input()
{
    Refused = false;
    Operators = 0;
    ReadResult();
    if (Result == 0)
        return;
    while (IN.peek() == ' ' || IN.peek() == '=')
        IN.get();
    ReadExpression();
    if (!Refused)
        Normalise();
    if (Refused)
        return;
    for (int i = 0; Expression[i] != '\0'; ++i)
        if (Expression[i] == ' ')
            Operator[Operators++] = i;
}

// The search evaluates the combinations in batches of consecutive numbers, side by
// side. One evaluation is a chain through its running total, one operation per
// operand, that cannot be shortened; evaluated side by side, the chains of a batch
// overlap, and the arithmetic of all lanes becomes short loops over small arrays that
// the compiler turns into vector instructions. A batch starts at a multiple of
// 3^LaneSlots, so its lanes differ only in the slots below LaneSlots: the higher
// slots' operators are the same for every lane, chosen once per batch. The text is
// read once per equation into a list of steps (numbers, groups, and the operator
// that joins each to the total), so no batch reads a digit again. Each lane still
// evaluates its own combination in full, operand by operand; no value passes from
// one lane, or one batch, to another.
//
// 243 lanes, not 27: the walk over the steps, one branch per step, then serves
// enough lanes that the vector loops, not the walk, take the time.
const int LaneSlots = 5;
const int LaneCount = 243;  // 3^LaneSlots, one combination each
// Whole vectors of up to 16 lanes: lanes 243 to 255 are padding, never reported.
const int LaneWidth = 256;
using Lanes = std::array<std::uint32_t, LaneWidth>;

// Lane l of a batch evaluates the batch's first combination number plus l, so its
// digit for slot k < LaneSlots is digit k of l in base 3.
constexpr int LaneDigit(int Lane, int Slot)
{
    for (int k = 0; k < Slot; ++k)
        Lane /= 3;
    return Lane % 3;
}

// Per slot below LaneSlots, all ones in the lanes whose operator there has the digit.
constexpr std::array<Lanes, LaneSlots> LaneMasks(int Digit)
{
    std::array<Lanes, LaneSlots> Masks{};
    for (int k = 0; k < LaneSlots; ++k)
        for (int l = 0; l < LaneCount; ++l)
            Masks[k][l] = LaneDigit(l, k) == Digit ? ~0u : 0u;
    return Masks;
}
alignas(64) constexpr std::array<Lanes, LaneSlots> LaneTimes = LaneMasks(2);
alignas(64) constexpr std::array<Lanes, LaneSlots> LaneMinus = LaneMasks(1);

// How a step's value joins the total of its expression: it starts the total, or is
// added, subtracted or multiplied in the same way in every lane, or by the lanes' own
// operators of slot k < LaneSlots (LaneOperation + k, beyond the names: hence the int).
enum Operation : int { Start, Add, Subtract, Multiply, LaneOperation };

// The steps of the text, in the order the evaluation meets them. A group opens a
// deeper total; its closing step joins that total to the one around it.
enum StepKind { NumberStep, OpenStep, CloseStep };
// Every step but the one zero of a missing operand at the end takes up a character
// of the text, or closes a group that did: 79 characters make at most 160 steps.
const int MostSteps = 160;
StepKind StepKindOf[MostSteps];
std::uint32_t StepNumber[MostSteps];
// The entry of StepOperation for the step's operator: a slot's number, or one of the
// fixed entries below for the first operand of an expression and for an operator
// that stands in the text itself.
int StepOperator[MostSteps];
int Steps;
const int FixedOperator = 100;  // + Start, Add, Subtract or Multiply
// The operation of every slot, and of the fixed entries; the slots from LaneSlots
// up change from batch to batch.
Operation StepOperation[FixedOperator + LaneOperation];
// For every position of Expression, the slot there, or -1.
int SlotAt[100];
// The deepest nesting 79 characters hold, and the top level.
const int MostDepth = 81;
alignas(64) std::uint32_t Total[MostDepth][LaneWidth];

// Writes the operators of combination a into the slots; slots above the 19th,
// beyond what a combination number holds, get '+'.
void SetOperators(int a)
{
    for (int k = 0; k < Operators; ++k) {
        Expression[Operator[k]] = "+-*"[a % 3];
        a /= 3;
    }
}

bool IsDigit(char Character)
{
    return static_cast<unsigned char>(Character - '0') < 10;
}

// The number whose first digit is at Here; Here is left just after it.
std::uint32_t ReadNumber(const char*& Here)
{
    std::uint32_t Number = 0;
    do
        Number = Number * 10 + static_cast<std::uint32_t>(*Here++ - '0');
    while (IsDigit(*Here));
    return Number;
}

void AddStep(StepKind Kind, int Operator, std::uint32_t Number)
{
    StepKindOf[Steps] = Kind;
    StepOperator[Steps] = Operator;
    StepNumber[Steps] = Number;
    ++Steps;
}

void ListExpr(const char*& Here);

// Lists the operand at Here, joined by Operator; Here is left just after it. The
// text is taken as the evaluation takes it, well formed or not: anything but a digit
// stands for an opening parenthesis, and the closing one is not looked at.
void ListTerm(const char*& Here, int Operator)
{
    if (IsDigit(*Here)) {
        AddStep(NumberStep, Operator, ReadNumber(Here));
    } else if (*Here == '\0') {
        AddStep(NumberStep, Operator, 0);  // a missing operand at the end counts as 0
    } else {
        ++Here;
        AddStep(OpenStep, Operator, 0);
        ListExpr(Here);
        if (*Here != '\0')
            ++Here;
        AddStep(CloseStep, Operator, 0);
    }
}

// Lists an expression at Here; Here is left on the first character after it. A slot
// is an operator whatever the combination, so the steps are the same for all of them.
void ListExpr(const char*& Here)
{
    ListTerm(Here, FixedOperator + Start);
    for (;;) {
        int Operator;
        if (*Here == ' ')
            Operator = SlotAt[Here - Expression];
        else if (*Here == '+')
            Operator = FixedOperator + Add;
        else if (*Here == '-')
            Operator = FixedOperator + Subtract;
        else if (*Here == '*')
            Operator = FixedOperator + Multiply;
        else
            return;
        ++Here;
        ListTerm(Here, Operator);
    }
}

// Reads the normalised text into the steps, and sets the operations that stay the
// same through the search: the fixed ones, the lanes' slots, and the slots above
// the 19th, held at '+'.
void ListSteps()
{
    for (int& Slot : SlotAt)
        Slot = -1;
    for (int k = 0; k < Operators; ++k) {
        SlotAt[Operator[k]] = k;
        StepOperation[k] = k < LaneSlots ? static_cast<Operation>(LaneOperation + k) : Add;
    }
    for (int o = Start; o <= Multiply; ++o)
        StepOperation[FixedOperator + o] = static_cast<Operation>(o);
    Steps = 0;
    const char* Here = Expression;
    ListExpr(Here);
}

// Joins Value (Number for a number, Group[l] for a group) to every lane's total.
template <typename ValueOf>
[[gnu::always_inline]] inline void Join(std::uint32_t* Lane, Operation How, ValueOf Value)
{
    switch (How) {
    case Start:
        for (int l = 0; l < LaneWidth; ++l)
            Lane[l] = Value(l);
        break;
    case Add:
        for (int l = 0; l < LaneWidth; ++l)
            Lane[l] += Value(l);
        break;
    case Subtract:
        for (int l = 0; l < LaneWidth; ++l)
            Lane[l] -= Value(l);
        break;
    case Multiply:
        for (int l = 0; l < LaneWidth; ++l)
            Lane[l] *= Value(l);
        break;
    default: {
        // Chosen by masks, not branches: the operator differs from lane to lane.
        const std::uint32_t* Times = LaneTimes[static_cast<std::size_t>(How - LaneOperation)].data();
        const std::uint32_t* Minus = LaneMinus[static_cast<std::size_t>(How - LaneOperation)].data();
        for (int l = 0; l < LaneWidth; ++l) {
            const std::uint32_t Number = Value(l);
            const std::uint32_t Addend = (Number ^ Minus[l]) - Minus[l];  // Number or its negation
            Lane[l] = ((Lane[l] * Number) & Times[l]) | ((Lane[l] + Addend) & ~Times[l]);
        }
    }
    }
}

// The lowest combination below Combinations whose value is Wanted, or -1. Inlined
// into one copy per vector width below, each compiled for its instructions.
[[gnu::always_inline]] inline int SearchBatches(int Combinations, std::uint32_t Wanted)
{
    const int Slots = std::min(Operators, MostSlotsSearched);
    for (int Base = 0; Base < Combinations; Base += LaneCount) {
        int Depth = 0;
        for (int s = 0; s < Steps; ++s) {
            const Operation How = StepOperation[StepOperator[s]];
            if (StepKindOf[s] == NumberStep) {
                const std::uint32_t Number = StepNumber[s];
                Join(Total[Depth], How, [Number](int) { return Number; });
            } else if (StepKindOf[s] == OpenStep) {
                ++Depth;
            } else {
                --Depth;
                const std::uint32_t* Group = Total[Depth + 1];
                Join(Total[Depth], How, [Group](int l) { return Group[l]; });
            }
        }
        // Most batches hold no match: one test for all lanes, without a branch each.
        std::uint32_t Matched = 0;
        for (int l = 0; l < LaneWidth; ++l)
            Matched |= Total[0][l] == Wanted ? ~0u : 0u;
        if (Matched != 0) {
            // A batch is cut short only when there are fewer than LaneSlots slots.
            const int Valid = std::min(LaneCount, Combinations - Base);
            for (int l = 0; l < Valid; ++l)  // the lowest number first
                if (Total[0][l] == Wanted)
                    return Base + l;
        }
        // The next batch: the slots from LaneSlots up count on by one in base 3.
        for (int k = LaneSlots; k < Slots; ++k) {
            if (StepOperation[k] != Multiply) {
                StepOperation[k] = static_cast<Operation>(StepOperation[k] + 1);
                break;
            }
            StepOperation[k] = Add;
        }
    }
    return -1;
}

// One copy of the search per vector width, the widest that the processor has chosen
// at run time, so that one build runs on any x86-64 processor. A test build holds the
// program to one copy (FORCE_VECTOR_BITS 128, 256 or 512) and compiles only that one,
// so that it cannot run another.
#if defined(FORCE_VECTOR_BITS)
#define HAS_COPY(Bits) (FORCE_VECTOR_BITS == (Bits))
#elif defined(__x86_64__) || defined(__i386__)
#define HAS_COPY(Bits) 1
#else
#define HAS_COPY(Bits) ((Bits) == 128)
#endif

#if HAS_COPY(512)
[[gnu::target("avx512f")]] int SearchBatches512(int Combinations, std::uint32_t Wanted)
{
    return SearchBatches(Combinations, Wanted);
}
#endif

#if HAS_COPY(256)
[[gnu::target("avx2")]] int SearchBatches256(int Combinations, std::uint32_t Wanted)
{
    return SearchBatches(Combinations, Wanted);
}
#endif

#if HAS_COPY(128)
int SearchBatches128(int Combinations, std::uint32_t Wanted)
{
    return SearchBatches(Combinations, Wanted);
}
#endif

int (*ChooseSearchBatches())(int, std::uint32_t)
{
#if defined(FORCE_VECTOR_BITS) && FORCE_VECTOR_BITS == 512
    return SearchBatches512;
#elif defined(FORCE_VECTOR_BITS) && FORCE_VECTOR_BITS == 256
    return SearchBatches256;
#elif defined(FORCE_VECTOR_BITS)
    return SearchBatches128;
#else
#if defined(__x86_64__) || defined(__i386__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f"))
        return SearchBatches512;
    if (__builtin_cpu_supports("avx2"))
        return SearchBatches256;
#endif
    return SearchBatches128;
#endif
}

int (*const SearchBatchesChosen)(int, std::uint32_t) = ChooseSearchBatches();

// The exact search over the first Slots slots; any slot above them holds '+', as in
// the first 3^Slots combinations. Says whether it answered: found, or proven impossible.
bool SearchExactly(int Slots)
{
    char Text[100];
    std::memcpy(Text, Expression, sizeof Text);
    for (int k = Slots; k < Operators; ++k)
        Text[Operator[k]] = '+';
    std::uint64_t Combination = 0;
    const ExactOutcome Outcome =
        ExactSearch(Text, Operator, Slots, static_cast<std::uint32_t>(Result), Combination);
    if (Outcome == ExactOutcome::Found) {
        std::memcpy(Expression, Text, sizeof Text);
        for (int k = 0; k < Slots; ++k, Combination /= 3)
            Expression[Operator[k]] = "+-*"[Combination % 3];
        Solvable = true;
    }
    return Outcome != ExactOutcome::OverBudget;
}

// Tries the combinations in increasing order: the leftmost slot changes fastest.
void Search()
{
    if (Operators >= EXACT_FROM_SLOTS) {
        if (SearchExactly(Operators))
            return;
        Note() << Operators << " slots: too much work for the exact search, so only the "
               << "first 3^19 combinations are tried" << std::endl;
        // Those are what the exact search answers on the equation with the slots
        // above the 19th held at '+', in seconds rather than minutes of counting.
        if (Operators > MostSlotsSearched && SearchExactly(MostSlotsSearched)) {
            if (!Solvable)
                Note() << Operators << " slots: only the first 3^19 combinations were tried, "
                       << "so no answer is proven" << std::endl;
            return;
        }
    }
    int Combinations = 1;
    for (int k = 0; k < Operators && k < MostSlotsSearched; ++k)
        Combinations *= 3;
    ListSteps();
    const int Found = SearchBatchesChosen(Combinations, static_cast<std::uint32_t>(Result));
    if (Found >= 0) {
        SetOperators(Found);
        Solvable = true;
        return;
    }
    if (Operators > MostSlotsSearched)
        Note() << Operators << " slots: only the first 3^19 combinations were tried, "
               << "so no answer is proven" << std::endl;
}

void Output()
{
    std::cout << "Equation #" << Run << ":" << std::endl;
    if (Solvable)
        std::cout << Result << "=" << Expression << std::endl;
    else
        std::cout << "Impossible" << std::endl;
    std::cout << std::endl;
}

int main()
{
    IN.open("velkora.in");
    if (!IN.is_open()) {
        std::cerr << "velkora: cannot open velkora.in: " << std::strerror(errno) << std::endl;
        return 1;
    }
    Run = 1;
    for (;;) {
        Input();
        Solvable = false;
        if (Result == 0)
            break;
        if (!Refused)
            Search();
        Output();
        if (!std::cout) {
            Note() << "the report cannot be written to standard output" << std::endl;
            break;
        }
        ++Run;
    }
    IN.close();
    return Failed ? 1 : 0;
}
