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
// side. One evaluation is a chain through its running total, a multiply or an add
// and a select per operand, that cannot be shortened; evaluated side by side, the
// chains of a batch overlap, and the arithmetic of all lanes becomes short loops
// over small arrays that the compiler turns into vector instructions. A batch starts
// at a multiple of 3^LaneSlots, so its lanes differ only in the slots below
// LaneSlots: the higher slots' operators are the same for every lane and are written
// into the text once per batch, and the text's numbers are read once for all lanes.
// Each lane still evaluates its own combination in full, operand by operand; no
// value passes from one lane, or one batch, to another.
const int LaneSlots = 3;
const int LaneCount = 27;  // 3^LaneSlots, one combination each
// Whole vectors of four lanes: lane 27 is padding, never compared with the result.
const int LaneWidth = 28;
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
constexpr std::array<Lanes, LaneSlots> LaneTimes = LaneMasks(2);
constexpr std::array<Lanes, LaneSlots> LaneMinus = LaneMasks(1);

// For every position of Expression, the slot below LaneSlots that lies there, or -1:
// the operator there is then the lane's own, not the one in the text.
int LaneSlotAt[100];

void SetOperators(int a)
{
    // The search calls this with the first combination of every batch in turn, and
    // going from one to the next changes only the digits up to the lowest one that
    // is not 0: the digits above it are already in place, so the loop stops there.
    for (int k = 0; k < Operators; ++k) {
        const int Digit = a % 3;
        Expression[Operator[k]] = "+-*"[Digit];
        if (Digit != 0)
            return;
        a /= 3;
    }
}

// Values are the 32 bits of the result, one per lane: all arithmetic wraps around.
Lanes EvaluateExpr();

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

// A parenthesised group at Position, in every lane; Position is left just after it.
// Plain numbers never come here: EvaluateExpr reads them itself.
Lanes EvaluateTerm()
{
    // A missing operand at the end of the text counts as 0.
    if (Expression[Position] == '\0')
        return Lanes{};
    ++Position;  // taken for an opening parenthesis
    const Lanes Group = EvaluateExpr();
    if (Expression[Position] != '\0')
        ++Position;  // over the closing parenthesis
    return Group;
}

// An operand is a number, the same in every lane, or a group, with a value per lane.
std::uint32_t LaneValue(std::uint32_t Number, int)
{
    return Number;
}

std::uint32_t LaneValue(const Lanes& Group, int Lane)
{
    return Group[Lane];
}

// Applies the operator Sign, or the lanes' own operators at slot Slot when that is
// not -1, to every lane's total and operand.
template <typename Operand>
void Combine(Lanes& Total, char Sign, int Slot, const Operand& Value)
{
    if (Slot >= 0) {
        // Chosen by masks, not branches: the operator differs from lane to lane.
        const Lanes& Times = LaneTimes[static_cast<std::size_t>(Slot)];
        const Lanes& Minus = LaneMinus[static_cast<std::size_t>(Slot)];
        for (int l = 0; l < LaneWidth; ++l) {
            const std::uint32_t Number = LaneValue(Value, l);
            const std::uint32_t Addend = (Number ^ Minus[l]) - Minus[l];  // Number or its negation
            Total[l] = ((Total[l] * Number) & Times[l]) | ((Total[l] + Addend) & ~Times[l]);
        }
        return;
    }
    // One operator for all lanes: one branch a batch, not one per lane.
    if (Sign == '*') {
        for (int l = 0; l < LaneWidth; ++l)
            Total[l] *= LaneValue(Value, l);
    } else if (Sign == '-') {
        for (int l = 0; l < LaneWidth; ++l)
            Total[l] -= LaneValue(Value, l);
    } else {
        for (int l = 0; l < LaneWidth; ++l)
            Total[l] += LaneValue(Value, l);
    }
}

// Evaluates the operand at Here, a number or a group, and hands its value to Use;
// Here is left just after it.
template <typename UseOperand>
void EvaluateOperand(const char*& Here, UseOperand Use)
{
    if (IsDigit(*Here)) {
        Use(ReadNumber(Here));
    } else {
        Position = static_cast<int>(Here - Expression);
        Use(EvaluateTerm());
        Here = Expression + Position;
    }
}

Lanes EvaluateExpr()
{
    Lanes Total;
    // Plain numbers, the most operands, are read with the cursor in a register;
    // Position is brought up to date around every group.
    const char* Here = Expression + Position;
    EvaluateOperand(Here, [&Total](const auto& Value) {
        for (int l = 0; l < LaneWidth; ++l)
            Total[l] = LaneValue(Value, l);
    });
    for (;;) {
        const char Sign = *Here;
        if (Sign != '+' && Sign != '-' && Sign != '*') {
            Position = static_cast<int>(Here - Expression);
            return Total;
        }
        const int Slot = LaneSlotAt[Here - Expression];
        ++Here;
        EvaluateOperand(Here, [&Total, Sign, Slot](const auto& Value) { Combine(Total, Sign, Slot, Value); });
    }
}

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
    const std::uint32_t Wanted = static_cast<std::uint32_t>(Result);
    for (int& Slot : LaneSlotAt)
        Slot = -1;
    for (int k = 0; k < LaneSlots && k < Operators; ++k)
        LaneSlotAt[Operator[k]] = k;
    for (int Base = 0; Base < Combinations; Base += LaneCount) {
        SetOperators(Base);
        Position = 0;
        const Lanes Value = EvaluateExpr();
        // Most batches hold no match: one test for all lanes, without a branch each.
        std::uint32_t Matched = 0;
        for (int l = 0; l < LaneWidth; ++l)
            Matched |= Value[l] == Wanted ? ~0u : 0u;
        if (Matched == 0)
            continue;
        // A batch is cut short only when there are fewer than LaneSlots slots.
        const int Valid = std::min(LaneCount, Combinations - Base);
        for (int l = 0; l < Valid; ++l) {  // the lowest number first
            if (Value[l] == Wanted) {
                for (int k = 0; k < LaneSlots && k < Operators; ++k)
                    Expression[Operator[k]] = "+-*"[LaneDigit(l, k)];
                Solvable = true;
                return;
            }
        }
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
