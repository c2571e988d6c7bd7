// Writes random equations for comparing the two operator searches:
//   generate SEED COUNT MOST_SLOTS [LEAST_SLOTS]
//   generate --family NAME SEED COUNT
// With LEAST_SLOTS, every equation has LEAST_SLOTS to MOST_SLOTS slots, operands of one
// to three digits so that the text fits, and no damage.
// Operands include 0, 1, numbers that wrap around (65536, 4294967296) and long ones;
// some are nested groups; some texts are damaged (a parenthesis dropped or added, a
// literal operator or letter). Results are the value of a random assignment, small
// numbers, or any 32-bit number, so that there are several matches, one, and none.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <random>
#include <string>
#include <vector>

std::mt19937 Random;
int MostDigits;  // 0: any operand

unsigned Below(unsigned Bound)
{
    return static_cast<unsigned>(Random() % Bound);
}

std::string Number()
{
    if (MostDigits > 0) {
        static const unsigned Below10[] = {10, 100, 1000};
        return std::to_string(Below(Below10[Below(static_cast<unsigned>(MostDigits))]));
    }
    static const char* const Special[] = {"0",     "1",          "2",          "65536",
                                          "32768", "4294967296", "4294967295", "2147483648"};
    switch (Below(4)) {
    case 0: return Special[Below(8)];
    case 1: return std::to_string(Below(10));
    case 2: return std::to_string(Below(1000));
    default: return std::to_string(Random());
    }
}

// An expression with the given slots, and its value under random operators.
std::string Expression(int Slots, std::uint32_t& Value)
{
    // Long equations are flat two times in three, since groups cost room.
    const bool Flat = MostDigits > 0 && Below(3) != 0;
    const int Operands = Flat ? Slots + 1 : 1 + static_cast<int>(Below(static_cast<unsigned>(Slots) + 1));
    int Inner[40] = {};
    for (int Left = Slots - (Operands - 1); Left > 0; --Left)
        ++Inner[Below(static_cast<unsigned>(Operands))];
    std::string Text;
    for (int i = 0; i < Operands; ++i) {
        std::uint32_t Operand;
        std::string Part;
        if (Inner[i] > 0 || (!Flat && Below(8) == 0)) {
            Part = "(" + Expression(Inner[i], Operand) + ")";
        } else {
            Part = Number();
            Operand = static_cast<std::uint32_t>(std::stoull(Part));
        }
        if (i == 0) {
            Value = Operand;
        } else {
            const unsigned Op = Below(3);
            Value = Op == 0 ? Value + Operand : Op == 1 ? Value - Operand : Value * Operand;
            Text += Below(6) == 0 ? "  " : " ";
        }
        Text += Part;
    }
    return Text;
}

void Mixed(int Count, int MostSlots, int LeastSlots)
{
    for (int n = 0; n < Count;) {
        // Mostly few slots, so that the exhaustive search stays quick.
        int Slots = Below(10) == 0 ? static_cast<int>(Below(static_cast<unsigned>(MostSlots) + 1))
                                   : static_cast<int>(Below(11));
        if (LeastSlots >= 0) {
            Slots = LeastSlots + static_cast<int>(Below(static_cast<unsigned>(MostSlots - LeastSlots) + 1));
            MostDigits = Slots > 32 ? 1 : Slots > 25 ? 2 : 3;
        }
        std::uint32_t Value;
        std::string Text = Expression(Slots, Value);
        const unsigned Damage = LeastSlots >= 0 ? 9 : Below(10);
        if (Damage == 0)
            Text.insert(Below(static_cast<unsigned>(Text.size()) + 1), 1, "()+-*a"[Below(6)]);
        else if (Damage == 1)
            Text.erase(Below(static_cast<unsigned>(Text.size())), 1);
        // Damage may put )( together, and the space put between them lengthens the text.
        if (Text.size() > (LeastSlots >= 0 ? 79u : 70u) || Text.empty())
            continue;
        const unsigned Kind = Below(4);
        std::int32_t Result = Kind <= 1   ? static_cast<std::int32_t>(Value)
                              : Kind == 2 ? LeastSlots >= 0 ? static_cast<std::int32_t>(1 + Below(100))
                                                           : static_cast<std::int32_t>(Below(41)) - 20
                                          : static_cast<std::int32_t>(Random());
        if (Result == 0)
            Result = 1;
        std::cout << Result << " = " << Text << "\n";
        ++n;
    }
}

// The families of wide equations, 20 to 39 slots, for the exact search. Each is a
// tree of operands; its text is checked once normalised, as the program sees it.
struct Node {
    std::string Number;  // empty for a group
    std::vector<Node> Kids;
    bool Tight = false;  // a group written right after the group before it, as ")("
};
using Row = std::vector<Node>;

Node Leaf(std::string Number)
{
    Node Made;
    Made.Number = std::move(Number);
    return Made;
}

Node Group(Row Kids)
{
    Node Made;
    Made.Kids = std::move(Kids);
    return Made;
}

bool IsGroup(const Node& Item)
{
    return Item.Number.empty();
}

// A number of exactly the given digits, without a leading zero unless it is 0.
std::string Digits(int Count)
{
    if (Count <= 1)
        return std::to_string(Below(10));
    const unsigned Low = Count == 2 ? 10 : 100;
    return std::to_string(Low + Below(Low * 9));
}

// Normalised, every gap is one space; as written, a tight group follows ")" at once.
std::string Render(const Row& Items, bool Normalised)
{
    std::string Text;
    for (std::size_t i = 0; i < Items.size(); ++i) {
        if (i > 0 && !(Items[i].Tight && !Normalised && IsGroup(Items[i]) && IsGroup(Items[i - 1])))
            Text += ' ';
        Text += IsGroup(Items[i]) ? "(" + Render(Items[i].Kids, Normalised) + ")" : Items[i].Number;
    }
    return Text;
}

int SlotsOf(const Row& Items)
{
    int Slots = static_cast<int>(Items.size()) - 1;
    for (const Node& Item : Items)
        if (IsGroup(Item))
            Slots += SlotsOf(Item.Kids);
    return Slots;
}

// How many groups the deepest operand lies in.
int DepthOf(const Row& Items)
{
    int Deepest = 0;
    for (const Node& Item : Items)
        if (IsGroup(Item))
            Deepest = std::max(Deepest, 1 + DepthOf(Item.Kids));
    return Deepest;
}

// The value under random operators, wrapping around in 32 bits.
std::uint32_t Assign(const Row& Items)
{
    std::uint32_t Value = 0;
    for (std::size_t i = 0; i < Items.size(); ++i) {
        const std::uint32_t Operand =
            IsGroup(Items[i]) ? Assign(Items[i].Kids) : static_cast<std::uint32_t>(std::stoull(Items[i].Number));
        const unsigned Op = i == 0 ? 0 : Below(3);
        Value = Op == 0 ? Value + Operand : Op == 1 ? Value - Operand : Value * Operand;
    }
    return Value;
}

bool Fits(const Row& Items, int LeastSlots, int MostSlots)
{
    const int Slots = SlotsOf(Items);
    return Slots >= LeastSlots && Slots <= MostSlots && Render(Items, true).size() <= 79;
}

// Mostly any 32-bit number, which these shapes can seldom reach, so that the search
// must prove there is no answer; a few percent the value of a random assignment.
std::int32_t WideResult(const Row& Items)
{
    std::int32_t Result = static_cast<std::int32_t>(Below(100) < 5 ? Assign(Items) : Random());
    while (Result == 0)
        Result = static_cast<std::int32_t>(Random());
    return Result;
}

// Every row of operands in the tree, with how many groups it lies in.
void Rows(Row& Items, int Depth, std::vector<std::pair<Row*, int>>& Found)
{
    Found.push_back({&Items, Depth});
    for (Node& Item : Items)
        if (IsGroup(Item))
            Rows(Item.Kids, Depth + 1, Found);
}

// Groups 2 or more neighbouring operands of some row, if the text stays within the
// limits and no operand lies more than MostDepth groups deep.
bool Wrap(Row& Top, int MostDepth)
{
    std::vector<std::pair<Row*, int>> Found;
    Rows(Top, 0, Found);
    const auto [Items, Depth] = Found[Below(Found.size())];
    if (Items->size() < 3)
        return false;  // a group around a whole group adds nothing
    // Mostly a few operands, sometimes a long run.
    const std::size_t Longest = Below(4) == 0 ? Items->size() - 1 : std::min<std::size_t>(Items->size() - 1, 5);
    const std::size_t Length = 2 + Below(Longest - 1);
    const std::size_t First = Below(Items->size() - Length + 1);
    const Row Before = Top;
    Row Inner(Items->begin() + static_cast<std::ptrdiff_t>(First),
              Items->begin() + static_cast<std::ptrdiff_t>(First + Length));
    Inner.front().Tight = false;
    Items->erase(Items->begin() + static_cast<std::ptrdiff_t>(First),
                 Items->begin() + static_cast<std::ptrdiff_t>(First + Length));
    Items->insert(Items->begin() + static_cast<std::ptrdiff_t>(First), Group(std::move(Inner)));
    if (DepthOf(Top) <= MostDepth && Fits(Top, 20, 39))
        return true;
    Top = Before;
    return false;
}

// Family "groups": single digits and groups of 2 to 4 of them, some nested, 25 to 31
// slots; a group may lead a group.
Node SmallGroup(int Depth)
{
    Row Kids;
    const unsigned Count = 2 + Below(3);
    for (unsigned k = 0; k < Count; ++k)
        Kids.push_back(Depth < 2 && Below(5) == 0 ? SmallGroup(Depth + 1)
                                                  : Leaf(Digits(Below(8) == 0 ? 2 : 1)));
    return Group(std::move(Kids));
}

Row Groups()
{
    for (;;) {
        const int Target = 25 + static_cast<int>(Below(7));
        Row Top;
        while (SlotsOf(Top) < Target)
            Top.push_back(Below(3) == 0 ? Leaf(Digits(1)) : SmallGroup(1));
        if (Fits(Top, 25, 31))
            return Top;
    }
}

// Family "chains": groups nested inside groups several levels deep, sometimes more
// than one chain side by side, among plain operands.
Node Chain(int Levels)
{
    Row Kids;
    const unsigned Before = Below(3), After = Below(3);
    for (unsigned k = 0; k < Before + (Levels == 1 ? 2 : 0); ++k)
        Kids.push_back(Leaf(Digits(Below(5) == 0 ? 2 : 1)));
    if (Levels > 1)
        Kids.push_back(Chain(Levels - 1));
    for (unsigned k = 0; k < After + (Kids.size() < 2 ? 1 : 0); ++k)
        Kids.push_back(Leaf(Digits(Below(5) == 0 ? 2 : 1)));
    return Group(std::move(Kids));
}

Row Chains()
{
    for (;;) {
        const int Target = 20 + static_cast<int>(Below(20));
        Row Top;
        const unsigned Count = 1 + Below(3);
        const bool SideBySide = Below(2) == 0;
        for (unsigned c = 0; c < Count; ++c) {
            if (!SideBySide || c == 0)
                Top.push_back(Leaf(Digits(1)));
            Top.push_back(Chain(3 + static_cast<int>(Below(5))));
            if (SideBySide && c > 0 && Below(2) == 0)
                Top.back().Tight = true;
        }
        while (SlotsOf(Top) < Target)
            Top.insert(Top.begin() + static_cast<std::ptrdiff_t>(Below(Top.size() + 1)),
                       Leaf(Digits(Below(4) == 0 ? 2 : 1)));
        if (Fits(Top, 20, 39))
            return Top;
    }
}

// Family "operands": 29 to 35 operands of 1 to 3 digits, then groups wherever one
// still fits, nested up to 3 deep.
Row Operands()
{
    for (;;) {
        const int Slots = 28 + static_cast<int>(Below(7));
        Row Top;
        for (int k = 0; k <= Slots; ++k)
            Top.push_back(Leaf(Digits(1)));
        // Longer operands take part of the room left, groups the rest.
        const int Room = 79 - static_cast<int>(Render(Top, true).size());
        for (int Extra = static_cast<int>(Below(static_cast<unsigned>(Room) * 2 / 3 + 1)); Extra > 0;) {
            Node& Item = Top[Below(Top.size())];
            if (Item.Number.size() < 3) {
                Item.Number = Digits(static_cast<int>(Item.Number.size()) + 1);
                --Extra;
            }
        }
        for (int Tries = 0; Tries < 200; ++Tries)
            Wrap(Top, 3);
        if (Fits(Top, 28, 34))
            return Top;
    }
}

// Family "mutants": an "operands" equation changed 1 to 3 times. Only mutants that
// are slower to search would be worth keeping, but the generator cannot time the
// search, so they are all written; bench/exact.sh tells the slow ones.
void AllGroups(Row& Items, std::vector<std::pair<Row*, std::size_t>>& Found)
{
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (IsGroup(Items[i])) {
            Found.push_back({&Items, i});
            AllGroups(Items[i].Kids, Found);
        }
}

void AllNumbers(Row& Items, std::vector<Node*>& Found)
{
    for (Node& Item : Items)
        if (IsGroup(Item))
            AllNumbers(Item.Kids, Found);
        else
            Found.push_back(&Item);
}

bool Mutate(Row& Top, std::int32_t& Result)
{
    const Row Before = Top;
    std::vector<std::pair<Row*, std::size_t>> Groups;
    AllGroups(Top, Groups);
    switch (Below(6)) {
    case 0: {  // another operand
        std::vector<Node*> Numbers;
        AllNumbers(Top, Numbers);
        Numbers[Below(Numbers.size())]->Number = Digits(1 + static_cast<int>(Below(3)));
        break;
    }
    case 1:
        return Wrap(Top, 3);
    case 2: {  // a group's operands stand in its place
        if (Groups.empty())
            return false;
        const auto [Items, At] = Groups[Below(Groups.size())];
        Row Kids = (*Items)[At].Kids;
        Kids.front().Tight = (*Items)[At].Tight;
        Items->erase(Items->begin() + static_cast<std::ptrdiff_t>(At));
        Items->insert(Items->begin() + static_cast<std::ptrdiff_t>(At), Kids.begin(), Kids.end());
        break;
    }
    case 3: {  // a group split in two, written ")("
        if (Groups.empty())
            return false;
        const auto [Items, At] = Groups[Below(Groups.size())];
        Row& Kids = (*Items)[At].Kids;
        if (Kids.size() < 2)
            return false;
        const std::size_t Cut = 1 + Below(Kids.size() - 1);
        Node Second = Group(Row(Kids.begin() + static_cast<std::ptrdiff_t>(Cut), Kids.end()));
        Second.Kids.front().Tight = false;
        Second.Tight = true;
        Kids.erase(Kids.begin() + static_cast<std::ptrdiff_t>(Cut), Kids.end());
        Items->insert(Items->begin() + static_cast<std::ptrdiff_t>(At + 1), std::move(Second));
        break;
    }
    case 4: {  // two neighbouring groups made one, or written ")("
        if (Groups.empty())
            return false;
        const auto [Items, At] = Groups[Below(Groups.size())];
        if (At + 1 >= Items->size() || !IsGroup((*Items)[At + 1]))
            return false;
        if (Below(2) == 0) {
            (*Items)[At + 1].Tight = true;
        } else {
            Row Second = (*Items)[At + 1].Kids;
            Second.front().Tight = false;
            Row& Kids = (*Items)[At].Kids;
            Kids.insert(Kids.end(), Second.begin(), Second.end());
            Items->erase(Items->begin() + static_cast<std::ptrdiff_t>(At + 1));
        }
        break;
    }
    default:
        Result = WideResult(Top);
        return true;
    }
    if (Fits(Top, 20, 39))
        return true;
    Top = Before;
    return false;
}

void Wide(const char* Family, int Count)
{
    for (int n = 0; n < Count; ++n) {
        Row Top;
        std::int32_t Result = 0;
        if (std::strcmp(Family, "groups") == 0) {
            Top = Groups();
        } else if (std::strcmp(Family, "chains") == 0) {
            Top = Chains();
        } else {
            Top = Operands();
            if (std::strcmp(Family, "mutants") == 0) {
                for (unsigned Changes = 1 + Below(3); Changes > 0;)
                    if (Mutate(Top, Result))
                        --Changes;
            }
        }
        // Unless a change replaced it, the result is drawn for the final text.
        if (Result == 0)
            Result = WideResult(Top);
        std::cout << Result << " = " << Render(Top, false) << "\n";
    }
}

int main(int argc, char** argv)
{
    static const char* const Families[] = {"groups", "chains", "operands", "mutants", "mix"};
    if (argc == 5 && std::strcmp(argv[1], "--family") == 0) {
        bool Known = false;
        for (const char* Family : Families)
            Known = Known || std::strcmp(argv[2], Family) == 0;
        if (Known) {
            Random.seed(static_cast<unsigned>(std::atoi(argv[3])));
            const int Count = std::atoi(argv[4]);
            // "mix" is the wide equations of the differential test's generator.
            if (std::strcmp(argv[2], "mix") == 0)
                Mixed(Count, 39, 20);
            else
                Wide(argv[2], Count);
            std::cout << "0\n";
            return 0;
        }
    }
    if (argc != 4 && argc != 5) {
        std::cerr << "usage: generate SEED COUNT MOST_SLOTS [LEAST_SLOTS]\n"
                  << "       generate --family groups|chains|operands|mutants|mix SEED COUNT\n";
        return 2;
    }
    Random.seed(static_cast<unsigned>(std::atoi(argv[1])));
    Mixed(std::atoi(argv[2]), std::atoi(argv[3]), argc == 5 ? std::atoi(argv[4]) : -1);
    std::cout << "0\n";
}
