// game: for every queried pair of cells on a board, the least number of straight
// segments of a path between them, where the path may run around the board through
// a margin one cell wide. Reads "game.in" in the current directory.

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <limits>

std::ifstream IN;

int Run;
int Width;
int Height;
// [column][row]: 1 for an occupied cell. Bytes rather than ints keep both grids
// within the first-level cache together, which the flood's walks along rows need.
signed char Matrix[80][80];
int Value[80][80];   // [column][row]: least segment count found so far
int StartX;
int StartY;
int DestX;
int DestY;

const int Unreached = 1000000;
const int Largest = 78;  // widest and highest board that fits the grid with its margin

// A note has been written to standard error: the exit status becomes 1.
bool Failed;
// The input ended or broke: the current board is closed and the run stops.
bool Finished;

// Starts a note on the current board; the caller ends the line.
std::ostream& Note()
{
    Failed = true;
    return std::cerr << "game: Board #" << Run << ": ";
}

bool Fits()
{
    return Width <= Largest && Height <= Largest;
}

// Reads one integer. On failure the run stops, and a note says why, unless the
// file simply ends where that is allowed (before a board header).
bool ReadNumber(int& Number, bool EndAllowed)
{
    // A stream already at its end leaves the variable untouched.
    Number = 0;
    if (IN >> Number)
        return true;
    Finished = true;
    // A failed extraction stores 0 when it found no number at all, and the
    // nearest limit when the number is out of range.
    if (IN.eof() && Number == 0) {
        if (!EndAllowed)
            Note() << "the file ends inside the board" << std::endl;
    } else if (Number != 0) {
        Note() << "a number is outside the 32-bit range" << std::endl;
    } else {
        Note() << "text that is not a number stands where a number belongs" << std::endl;
    }
    return false;
}

// Reads one row line into the buffer, at most its first 74 characters.
bool ReadRow(char* Line)
{
    IN.getline(Line, 75);
    if (!IN.fail())
        return true;
    if (IN.gcount() == 74 && !IN.eof()) {
        // The line is longer than a row can be: the rest of it is dropped.
        IN.clear();
        IN.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
        return true;
    }
    Finished = true;
    Note() << "the file ends inside the board's rows" << std::endl;
    return false;
}

void Input()
{
    if (!ReadNumber(Width, true) || !ReadNumber(Height, false)) {
        Width = 0;
        Height = 0;
        return;
    }
    if (Width == 0 && Height == 0)
        return;
    IN.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    if (IN.eof()) {
        Finished = true;
        Note() << "the file ends inside the board's header" << std::endl;
        return;
    }
    std::memset(Matrix, 0, sizeof Matrix);
    if (!Fits())
        Note() << "the board is larger than 78 x 78; its pairs are not answered" << std::endl;
    int Row = 0;
    while (Row < Height) {
        ++Row;
        char Line[80] = {};
        if (!ReadRow(Line))
            return;
        if (!Fits())
            continue;
        for (int x = 1; x <= 79; ++x)
            if (Line[x - 1] == 'X')
                Matrix[x][Row] = 1;
    }
}

// Runs. Most cells a walk meets already hold the walking count and are free, and
// passing them changes nothing. So each row and each column keeps a mask of where
// runs of alike cells (the same count and occupancy) may start: bit i is clear only
// when cell i is known to be alike to cell i - 1. A walk that stands on a cell it
// passes can then go straight on past the cells alike to it. A store sets the bits
// on both sides of its cell, and a walk clears the bit between two cells that it
// finds alike, so the walks meet every cell that a walk through every cell would
// do anything at, and make exactly the same stores and calls.
using Runs = std::uint64_t[2];  // bits 0 to 79, and bit 80 for the end of the line
Runs RowRuns[80];     // [row]: bit x for cell (x, row)
Runs ColumnRuns[80];  // [column]: bit y for cell (column, y)

// Sets bits i and i + 1: cell i changed, so it may differ from both its neighbours.
void Split(Runs& Mask, int i)
{
    Mask[i >> 6] |= std::uint64_t{3} << (i & 63);
    if (i == 63)
        Mask[1] |= 1;
}

void Join(Runs& Mask, int i)
{
    Mask[i >> 6] &= ~(std::uint64_t{1} << (i & 63));
}

// Before a flood nothing is known to be alike.
void ResetRuns()
{
    for (Runs& Mask : RowRuns)
        Mask[0] = Mask[1] = ~std::uint64_t{0};
    for (Runs& Mask : ColumnRuns)
        Mask[0] = Mask[1] = ~std::uint64_t{0};
}

// Inlined, like Reach below, into the walks.
[[gnu::always_inline]] inline void Store(int x, int y, int Count)
{
    Value[x][y] = Count;
    Split(RowRuns[y], x);
    Split(ColumnRuns[x], y);
}

// Walking up (east or south) from cell i, which the walk passed: the next cell that
// may not be alike to it, 80 when there is none. Unless cell i was the walk's first,
// it is alike to the cell before it, and the mask learns so first.
inline int PastUp(Runs& Mask, int i, bool First)
{
    if (!First)
        Join(Mask, i);
    if (i < 63) {
        const std::uint64_t Low = Mask[0] & (~std::uint64_t{0} << (i + 1));
        if (Low != 0)
            return std::countr_zero(Low);
        i = 63;
    }
    // Bit 80 is never cleared, so there is always a next bit; saying so saves a test.
    const std::uint64_t PastEnd = std::uint64_t{1} << (80 - 64);
    return 64 + std::countr_zero((Mask[1] | PastEnd) & (~std::uint64_t{0} << (i + 1 - 64)));
}

// Walking down (west or north) from cell i, which the walk passed: the next cell
// that may not be alike to it, -1 when there is none. Unless cell i was the walk's
// first, it is alike to the cell before it, and the mask learns so first.
inline int PastDown(Runs& Mask, int i, bool First)
{
    if (!First)
        Join(Mask, i + 1);
    if (i >= 64) {
        const std::uint64_t High = Mask[1] & (~std::uint64_t{0} >> (127 - i));
        if (High != 0)
            return 64 + 63 - std::countl_zero(High) - 1;
        i = 63;
    }
    // Bit 0 is never cleared, so there is always a bit at or below i.
    return 63 - std::countl_zero((Mask[0] & (~std::uint64_t{0} >> (63 - i))) | 1) - 1;
}

enum Step {
    Stop,     // the line ends here
    Lowered,  // the cell took the walking count and the line goes on
    Passed,   // the cell already held the walking count and the line goes on
};

// Lowers cell (x, y) to Count if that is less than it holds, and floods on from
// it at once. Says whether the line being walked goes on past the cell. Inlined
// into the walks: a call for every cell met cost a fifth of the flood's time.
[[gnu::always_inline]] inline Step Reach(int x, int y, int Count);

void Expand(int a, int b)
{
    if ((a != StartX || b != StartY) && Matrix[a][b] == 1)
        return;
    // Nested calls only store larger counts, so this cell's count stays put.
    const int Count = Value[a][b] + 1;
    // After a cell that took the count, the next one most likely differs from it:
    // only a cell passed is worth a look at the mask.
    for (int x = a - 1; x >= 0;) {
        const Step Went = Reach(x, b, Count);
        if (Went == Stop)
            break;
        x = Went == Lowered ? x - 1 : PastDown(RowRuns[b], x, x == a - 1);
    }
    const int East = Width + 1;  // read once: the walks' calls hide it from the compiler
    for (int x = a + 1; x <= East;) {
        const Step Went = Reach(x, b, Count);
        if (Went == Stop)
            break;
        x = Went == Lowered ? x + 1 : PastUp(RowRuns[b], x, x == a + 1);
    }
    for (int y = b - 1; y >= 0;) {
        const Step Went = Reach(a, y, Count);
        if (Went == Stop)
            break;
        y = Went == Lowered ? y - 1 : PastDown(ColumnRuns[a], y, y == b - 1);
    }
    const int South = Height + 1;
    for (int y = b + 1; y <= South;) {
        const Step Went = Reach(a, y, Count);
        if (Went == Stop)
            break;
        y = Went == Lowered ? y + 1 : PastUp(ColumnRuns[a], y, y == b + 1);
    }
}

inline Step Reach(int x, int y, int Count)
{
    // Most cells met already hold Count, so that case is tested first.
    if (Value[x][y] == Count)
        return Matrix[x][y] != 1 ? Passed : Stop;
    if (Value[x][y] < Count)
        return Stop;
    Store(x, y, Count);
    Expand(x, y);
    return Matrix[x][y] != 1 ? Lowered : Stop;
}

bool InGrid(int Coordinate)
{
    return Coordinate >= 0 && Coordinate <= 79;
}

void Output()
{
    std::cout << "Board #" << Run << ":" << std::endl;
    int Pair = 1;
    while (!Finished) {
        if (!ReadNumber(StartX, false) || !ReadNumber(StartY, false) ||
            !ReadNumber(DestX, false) || !ReadNumber(DestY, false))
            break;
        if (StartX == 0 && StartY == 0 && DestX == 0 && DestY == 0)
            break;
        if (!Fits())
            continue;
        const bool OnGrid = InGrid(StartX) && InGrid(StartY) && InGrid(DestX) && InGrid(DestY);
        if (OnGrid) {
            for (auto& Column : Value)
                for (int& Cell : Column)
                    Cell = Unreached;
            Value[StartX][StartY] = 0;
            ResetRuns();
            Expand(StartX, StartY);
        } else {
            // Written before the pair's line, so that the line stays whole on a terminal.
            Note() << "pair " << Pair << " has a coordinate outside 0 to 79" << std::endl;
        }
        std::cout << "Pair " << Pair << ": ";
        if (!OnGrid || Value[DestX][DestY] == Unreached)
            std::cout << "impossible." << std::endl;
        else
            std::cout << Value[DestX][DestY] << " segments." << std::endl;
        ++Pair;
    }
    std::cout << std::endl;
}

int main()
{
    IN.open("game.in");
    if (!IN.is_open()) {
        std::cerr << "game: cannot open game.in: " << std::strerror(errno) << std::endl;
        return 1;
    }
    Run = 1;
    while (!Finished) {
        Input();
        if (Width == 0 && Height == 0)
            break;
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
