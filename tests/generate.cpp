// Writes random equations:
//   generate SEED COUNT MOST_SLOTS [LEAST_SLOTS]   for comparing the two operator searches
//   generate --shape PRESET|SETTINGS SEED COUNT    of 20 to 39 slots, shaped (see Presets)
//   generate --mutate SEED [SETTINGS] < EQUATIONS  each equation changed, for bench/climb.sh
// For the searches, operands include 0, 1, numbers that wrap around (65536, 4294967296) and
// long ones; some are nested groups; some texts are damaged (a parenthesis dropped or
// added, a literal operator or letter), unless LEAST_SLOTS is given: then the text fits.
// Results are the value of a random assignment, small numbers, or any 32-bit number, so
// that there are several matches, one, and none.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <random>
#include <sstream>
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

// Wide equations, 20 to 39 slots, for the exact search: a tree of operands built from
// settings (below), whose text is checked once normalised, as the program sees it.
struct Node {
    std::string Number;  // empty for a group
    std::vector<Node> Kids;
    bool Tight = false;  // a group written right after the group before it, as ")("
};
using Row = std::vector<Node>;

bool IsGroup(const Node& Item)
{
    return Item.Number.empty();
}

// A number of exactly the given digits, without a leading zero unless it is 0.
std::string Digits(int Count)
{
    const unsigned Low = Count <= 1 ? 0 : Count == 2 ? 10 : 100;
    return std::to_string(Low + Below(Low == 0 ? 10 : Low * 9));
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
    const std::string Text = Render(Items, true);
    const auto Slots = std::count(Text.begin(), Text.end(), ' ');  // normalised, one a slot
    return Slots >= LeastSlots && Slots <= MostSlots && Text.size() <= 79;
}

// Every row, number and group (by row and place) of a tree, and its rows' deepest level.
struct Parts {
    std::vector<Row*> Rows;
    std::vector<Node*> Numbers;
    std::vector<std::pair<Row*, std::size_t>> Groups;
    int Deepest = 0;
};
Parts Walk(Row& Items, Parts* Into = nullptr, int Depth = 0)
{
    Parts Found;
    Parts& To = Into != nullptr ? *Into : Found;
    To.Rows.push_back(&Items);
    To.Deepest = std::max(To.Deepest, Depth);
    for (std::size_t i = 0; i < Items.size(); ++i)
        if (IsGroup(Items[i]))
            To.Groups.push_back({&Items, i}), Walk(Items[i].Kids, &To, Depth + 1);
        else
            To.Numbers.push_back(&Items[i]);
    return Found;
}

// Settings are numbers or ranges LOW-HIGH drawn from per equation (percentages: HIGH);
// a word without "=" is a preset's; alternatives, separated by "|", are drawn evenly.
struct Range { int Low, High; };
struct Shape {
    Range Groups{}, Size{2, 4}, Nest{}, Depth{1, 1}, Sub{2, 4}, Digits{1, 1}, Long{}, Widen{}, Room{}, Plain{},
        Tight{}, Outer{}, Wrap{}, Mutate{}, Slots{20, 39}, Value{}, Small{};
} Settings;
const std::pair<const char*, Range Shape::*> Keys[] = {
    {"groups", &Shape::Groups}, {"size", &Shape::Size},     {"nest", &Shape::Nest},   {"depth", &Shape::Depth},
    {"sub", &Shape::Sub},       {"digits", &Shape::Digits}, {"long", &Shape::Long},   {"widen", &Shape::Widen},
    {"room", &Shape::Room},     {"plain", &Shape::Plain},   {"tight", &Shape::Tight}, {"outer", &Shape::Outer},
    {"wrap", &Shape::Wrap},     {"mutate", &Shape::Mutate}, {"slots", &Shape::Slots}, {"value", &Shape::Value},
    {"small", &Shape::Small}};
const char* const Presets[][2] = {
    {"groups", "groups=5-6 size=2-4 nest=0-1 long=12 plain=1-5 value=5 slots=25-31"},
    {"chains", "groups=1-2 size=0-4 nest=1 depth=2-6 sub=0-4 long=20 plain=1-12 tight=50 value=5"},
    {"operands", "plain=29-35 widen=67 wrap=200 value=5 slots=28-34"},
    {"mutants", "operands mutate=1-3"},
    {"mix", "plain=21-40 digits=1-3 room=0-12 wrap=0-8 value=50 small=25"},
    {"side", "groups=3 size=8-13 nest=0-1 tight=50 value=5 | groups=4 size=8-9 tight=50 value=5"},
    {"big", "groups=2 size=12-18 long=5 tight=50 value=5 | groups=3 size=8-12 long=5 tight=50 value=5"},
    {"outer", "groups=3 size=8-12 nest=0-1 long=5 tight=50 outer=100 value=5"},
    {"shapemutants", "side mutate=1-3 | big mutate=1-3 | outer mutate=1-3"}};

int Draw(Range Between)
{
    return Between.Low + static_cast<int>(Below(static_cast<unsigned>(Between.High - Between.Low) + 1));
}

// Applies alternative Choice (drawn when negative); false for a word not understood.
bool Apply(const std::string& Text, int Choice)
{
    std::istringstream Alternatives(Text), Words;
    std::string Chosen;
    const auto Bars = std::count(Text.begin(), Text.end(), '|');
    for (int n = Choice >= 0 ? Choice : Draw({0, static_cast<int>(Bars)}); n >= 0; --n)
        std::getline(Alternatives, Chosen, '|');
    Words.str(Chosen);
    for (std::string Word; Words >> Word;) {
        const std::size_t Equals = Word.find('=');
        bool Known = false;
        for (const auto& [Name, Preset] : Presets)
            Known = Known || (Word == Name && Apply(Preset, -1));
        for (const auto& [Name, Member] : Keys)
            if (Equals != std::string::npos && Word.substr(0, Equals) == Name) {
                Range& Value = Settings.*Member;
                int Used = 0;
                const int Read =
                    std::sscanf(Word.c_str() + Equals + 1, "%d%n-%d%n", &Value.Low, &Used, &Value.High, &Used);
                Value.High = Read == 1 ? Value.Low : Value.High;
                Known = Read >= 1 && Equals + 1 + static_cast<std::size_t>(Used) == Word.size() && Value.Low >= 0 &&
                        Value.Low <= Value.High && Value.High <= 1000;
            }
        if (!Known)
            return false;
    }
    Settings.Slots = {std::max(Settings.Slots.Low, 20), std::min(Settings.Slots.High, 39)};
    return Settings.Slots.Low <= Settings.Slots.High;
}

std::string Operand()
{
    return Digits(Draw(Settings.Digits) + (Draw({0, 99}) < Settings.Long.High ? 1 : 0));
}

// A group of Size operands, with subgroups among them while Levels last.
Node MakeGroup(int Size, int Levels)
{
    Row Kids;
    for (int k = 0; k < Size; ++k)
        Kids.push_back(Node{Operand(), {}, false});
    for (int n = Levels > 0 ? Draw(Settings.Nest) : 0; n > 0; --n)
        Kids.insert(Kids.begin() + Below(Kids.size() + 1), MakeGroup(Draw(Settings.Sub), Levels - 1));
    while (Kids.size() < 2)  // a group around one operand adds nothing
        Kids.push_back(Node{Operand(), {}, false});
    return Node{"", std::move(Kids), false};
}

// Groups 2 or more neighbouring operands of some row, if the text stays within the
// limits and no operand lies more than MostDepth groups deep.
bool Wrap(Row& Top, int MostDepth)
{
    const std::vector<Row*> Found = Walk(Top).Rows;
    Row& Items = *Found[Below(Found.size())];
    if (Items.size() < 3)
        return false;  // a group around a whole group adds nothing
    // Mostly a few operands, sometimes a long run.
    const std::size_t Longest = Below(4) == 0 ? Items.size() - 1 : std::min<std::size_t>(Items.size() - 1, 5);
    const std::size_t Length = 2 + Below(Longest - 1);
    const auto First = Items.begin() + Below(Items.size() - Length + 1), Last = First + Length;
    const Row Before = Top;
    Node Inner{"", Row(First, Last), false};
    Inner.Kids.front().Tight = false;
    Items.insert(Items.erase(First, Last), std::move(Inner));
    if (Walk(Top).Deepest <= MostDepth && Fits(Top, 20, 39))
        return true;
    Top = Before;
    return false;
}

// Groups, plain operands among them, longer operands, groups anywhere, an outer group.
Row Build()
{
    for (int Tries = 0; Tries < 100000; ++Tries) {
        Row Top;
        for (int g = Draw(Settings.Groups); g > 0; --g)
            Top.push_back(MakeGroup(Draw(Settings.Size), Draw(Settings.Depth)));
        for (int p = Draw(Settings.Plain); p > 0; --p)
            Top.insert(Top.begin() + Below(Top.size() + 1), Node{Operand(), {}, false});
        // Longer operands take up to widen % of the room; too long a text loses digits, not operands.
        const std::vector<Node*> Numbers = Walk(Top).Numbers;
        const std::size_t Most = 79 - static_cast<std::size_t>(Draw(Settings.Room));
        int Length = static_cast<int>(Render(Top, true).size());  // a digit is a character: kept, not rendered
        int Extra = Numbers.empty() ? 0 : Draw({0, std::max(0, 79 - Length) * Settings.Widen.High / 100});
        for (int Steps = 5000; Steps > 0 && (Extra > 0 || Length > static_cast<int>(Most)); --Steps) {
            std::string& Number = Numbers[Below(Numbers.size())]->Number;
            const int Change = Extra > 0 ? Number.size() < 3 : -(Number.size() > 1);
            Number = Change != 0 ? Digits(static_cast<int>(Number.size()) + Change) : Number;
            Extra -= std::max(Change, 0), Length += Change;
        }
        for (int w = Draw(Settings.Wrap); w > 0; --w)
            Wrap(Top, 3);
        if (Top.size() > 1 && Draw({0, 99}) < Settings.Outer.High)
            Top = Row{Node{"", std::move(Top), false}};
        for (Row* Items : Walk(Top).Rows)
            for (std::size_t i = 1; i < Items->size(); ++i)
                (*Items)[i].Tight =
                    IsGroup((*Items)[i - 1]) && IsGroup((*Items)[i]) && Draw({0, 99}) < Settings.Tight.High;
        if (Fits(Top, Settings.Slots.Low, Settings.Slots.High))
            return Top;
    }
    std::cerr << "generate: these settings make no equation of 20 to 39 slots within 79 characters\n";
    std::exit(2);
}

// Mostly any 32-bit number, seldom reached, so that the search must prove there is none.
std::int32_t WideResult(const Row& Items)
{
    const int Kind = static_cast<int>(Below(100)) - Settings.Value.High;
    const std::uint32_t Result = Kind < 0 ? Assign(Items) : Kind < Settings.Small.High ? 1 + Below(100) : Random();
    return Result != 0 ? static_cast<std::int32_t>(Result) : 1;  // a result of 0 ends the file
}

// One change; which mutants are slower to search, bench/climb.sh finds out.
bool Mutate(Row& Top, std::int32_t& Result)
{
    const Row Before = Top;
    const auto [Rows, Numbers, Groups, Deepest] = Walk(Top);
    const unsigned Kind = Below(7);
    if (Kind >= 3 && Kind <= 5 && Groups.empty())
        return false;
    const auto [Items, At] = Groups.empty() ? std::pair<Row*, std::size_t>{} : Groups[Below(Groups.size())];
    switch (Kind) {
    case 0: {  // another operand, or another digit in one
        std::string& Number = Numbers[Below(Numbers.size())]->Number;
        const std::size_t Digit = Below(Number.size());
        if (Below(2) == 0)
            Number = Digits(1 + static_cast<int>(Below(3)));
        else
            Number[Digit] = static_cast<char>('0' + (Digit == 0 && Number.size() > 1 ? 1 + Below(9) : Below(10)));
        break;
    }
    case 1: {  // an operand more or one fewer, in a row that keeps two
        Row& Kids = *Rows[Below(Rows.size())];
        const auto Place = Kids.begin() + Below(Kids.size());
        if (Below(2) == 0)
            Kids.insert(Place, Node{Digits(1 + (Below(4) == 0)), {}, false});
        else if (Kids.size() > 2 && !IsGroup(*Place))
            Kids.erase(Place);
        break;
    }
    case 2:
        return Wrap(Top, 3);
    case 3: {  // a group's operands stand in its place
        Row Kids = (*Items)[At].Kids;
        Kids.front().Tight = (*Items)[At].Tight;
        Items->insert(Items->erase(Items->begin() + At), Kids.begin(), Kids.end());
        break;
    }
    case 4: {  // a group split in two, written ")("
        Row& Kids = (*Items)[At].Kids;
        if (Kids.size() < 2)
            return false;
        const auto Cut = Kids.begin() + 1 + Below(Kids.size() - 1);
        Node Second{"", Row(Cut, Kids.end()), true};
        Second.Kids.front().Tight = false;
        Kids.erase(Cut, Kids.end());
        Items->insert(Items->begin() + At + 1, std::move(Second));
        break;
    }
    case 5: {  // two neighbouring groups written ")(" or apart, or made one
        if (At + 1 >= Items->size() || !IsGroup((*Items)[At + 1]))
            return false;
        Node& Next = (*Items)[At + 1];
        Next.Tight = !Next.Tight;
        if (Below(2) == 0)
            break;
        Next.Kids.front().Tight = false;
        (*Items)[At].Kids.insert((*Items)[At].Kids.end(), Next.Kids.begin(), Next.Kids.end());
        Items->erase(Items->begin() + At + 1);
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

// False unless the text is digits, spaces and balanced parentheses around something.
bool Parse(const std::string& Text, Row& Top)
{
    std::vector<Row*> Open{&Top};  // only the innermost row grows, so the others stay put
    for (bool Spaced = true; const char C : Text) {
        Row& Items = *Open.back();
        if (C == '(') {
            Items.push_back(Node{"", {}, !Spaced});
            Open.push_back(&Items.back().Kids);
        } else if (C == ')' && Open.size() > 1 && !Items.empty()) {
            Open.pop_back();
        } else if (C >= '0' && C <= '9') {
            if (Spaced || Items.empty() || IsGroup(Items.back()))
                Items.push_back(Node{"", {}, false});
            Items.back().Number += C;
        } else if (C != ' ') {
            return false;
        }
        Spaced = C == ' ';
    }
    return Open.size() == 1 && !Top.empty();
}

// Writes Count equations of the shape, or with Count negative the equations written
// "RESULT = TEXT" on standard input, each changed as the settings say (at least once).
void Shaped(const std::string& Text, int Count)
{
    std::string Line;
    for (int n = 0; Count < 0 ? static_cast<bool>(std::getline(std::cin, Line)) : n < Count; ++n) {
        Settings = Shape{};
        Apply(Text, -1);
        Row Top;
        auto Result = static_cast<std::int32_t>(std::strtoll(Line.c_str(), nullptr, 10));
        const std::size_t At = Line.find(" = ");
        if (Count >= 0) {
            Top = Build(), Result = 0;
        } else if (At == std::string::npos || !Parse(Line.substr(At + 3), Top) || !Fits(Top, 20, 39) || Result == 0) {
            std::cerr << (Line == "0" ? "" : "generate: not an equation of 20 to 39 slots: " + Line + "\n");
            continue;
        }
        for (int Changes = std::max(Count < 0 ? 1 : 0, Draw(Settings.Mutate)); Changes > 0;)
            Changes -= Mutate(Top, Result) ? 1 : 0;
        std::cout << (Result != 0 ? Result : WideResult(Top)) << " = " << Render(Top, false) << "\n";
    }
}

int main(int argc, char** argv)
{
    const bool Shape = argc == 5 && (std::strcmp(argv[1], "--shape") == 0 || std::strcmp(argv[1], "--family") == 0);
    if (Shape || ((argc == 3 || argc == 4) && std::strcmp(argv[1], "--mutate") == 0)) {
        const std::string Text = Shape ? argv[2] : argc == 4 ? argv[3] : "mutate=1-3";
        for (int Choice = 0; Choice <= std::count(Text.begin(), Text.end(), '|'); ++Choice)
            if (!Apply(Text, Choice))
                return std::cerr << "generate: unknown or impossible shape: " << Text << "\n", 2;
        Random.seed(static_cast<unsigned>(std::atoi(argv[Shape ? 3 : 2])));
        Shaped(Text, Shape ? std::atoi(argv[4]) : -1);
        std::cout << (Shape ? "0\n" : "");
        return 0;
    }
    if (argc != 4 && argc != 5) {
        std::cerr << "usage: generate SEED COUNT MOST_SLOTS [LEAST_SLOTS]\n"
                  << "       generate --shape PRESET|SETTINGS SEED COUNT\n"
                  << "       generate --mutate SEED [SETTINGS] < EQUATIONS\n";
        return 2;
    }
    Random.seed(static_cast<unsigned>(std::atoi(argv[1])));
    Mixed(std::atoi(argv[2]), std::atoi(argv[3]), argc == 5 ? std::atoi(argv[4]) : -1);
    std::cout << "0\n";
}
