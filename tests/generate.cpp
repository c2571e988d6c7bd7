// Writes random equations for comparing the two operator searches:
//   generate SEED COUNT MOST_SLOTS [LEAST_SLOTS]
// With LEAST_SLOTS, every equation has LEAST_SLOTS to MOST_SLOTS slots, operands of one
// to three digits so that the text fits, and no damage.
// Operands include 0, 1, numbers that wrap around (65536, 4294967296) and long ones;
// some are nested groups; some texts are damaged (a parenthesis dropped or added, a
// literal operator or letter). Results are the value of a random assignment, small
// numbers, or any 32-bit number, so that there are several matches, one, and none.

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>

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

int main(int argc, char** argv)
{
    if (argc != 4 && argc != 5) {
        std::cerr << "usage: generate SEED COUNT MOST_SLOTS [LEAST_SLOTS]\n";
        return 2;
    }
    Random.seed(static_cast<unsigned>(std::atoi(argv[1])));
    const int Count = std::atoi(argv[2]);
    const int MostSlots = std::atoi(argv[3]);
    const int LeastSlots = argc == 5 ? std::atoi(argv[4]) : -1;
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
    std::cout << "0\n";
}
