// game: for every queried pair of cells on a board, the least number of straight
// segments of a path between them, where the path may run around the board through
// a margin one cell wide. Reads "game.in" in the current directory.

#include <algorithm>
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

// The walks' view of the grid: each cell's count and occupancy together as one key,
// 2 x count + 1 when occupied, so that the test a walk makes on most cells it meets
// (does it hold my count, and is it free) is one comparison. The cells on the
// recursion's stack are distinct and each holds one more than the one before, so
// no count passes 6400 and keys fit. A border of sentinel cells of key 0 surrounds
// the grid: no walk passes them (as no walk passes the start cell, count 0), so
// walks west and north need no test for the end of their line.
using Key = std::uint16_t;
const Key UnreachedKey = 0xFFFE;  // above every key stored, occupied or not
const int Border = 4;
const int Column = 128;  // keys from one column to the next: a power of 2, for CellOf
Key Cells[(1 + 80 + 1) * Column];
// A flood touches only columns 0 to EastMost and rows 0 to SouthMost: walks east and
// south end at the margin, and walks west and north at 0, so only the start cell can
// lie beyond the margin. Only those are reset, and a cell outside is unreached.
int EastMost;
int SouthMost;

inline int IndexOf(int x, int y)
{
    return (1 + x) * Column + Border + y;
}

void Expand(int a, int b);

// Walks one line out of a cell: west (Across, Step -1), east (Across, +1), north
// or south, from cell From of the line up to Last at most, and lowers to Count
// every cell that holds more. Lowered free cells are flooded from at once; an
// occupied cell met ends the line (when lowered, with no call: a call on it would
// return at once).
template <int Step>
[[gnu::always_inline]] inline void Walk(int From, int Last, int Line, int Count)
{
    const Key Passing = Key(2 * Count);
    for (Key* Cell = Cells + From;; Cell += Step) {
        while (*Cell == Passing)
            Cell += Step;
        const Key Met = *Cell;
        if (Met <= Passing + 1)  // a smaller count, or this one on an occupied cell
            return;
        const unsigned i = unsigned(Cell - Cells);
        // A walk east or south may pass cells beyond its end, but lowers none.
        if (Step > 0 && i > unsigned(Last))
            return;
        const bool Across = Step == Column || Step == -Column;
        const int x = Across ? int(i / Column) - 1 : Line;
        const int y = Across ? Line : int(i % Column) - Border;
        const Key Occupied = Met & 1;
        *Cell = Key(Passing + Occupied);  // the store: cell (x, y) takes Count
        if (Occupied)
            return;
        Expand(x, y);
    }
}

void Expand(int a, int b)
{
    const int Here = IndexOf(a, b);
    // Nested calls only store larger counts, so this cell's count stays put.
    const int Count = Cells[Here] / 2 + 1;
    Walk<-Column>(Here - Column, 0, b, Count);
    Walk<+Column>(Here + Column, IndexOf(Width + 1, b), b, Count);
    Walk<-1>(Here - 1, 0, a, Count);
    Walk<+1>(Here + 1, IndexOf(a, Height + 1), a, Count);
}

// Before a flood every cell it can touch is unreached, but the start.
void Reset()
{
    EastMost = std::max(Width + 1, StartX);
    SouthMost = std::max(Height + 1, StartY);
    for (int x = 0; x <= EastMost; ++x)
        for (int y = 0; y <= SouthMost; ++y)
            Cells[IndexOf(x, y)] = Key(UnreachedKey | Matrix[x][y]);
    // A walk east or south may look past its end, and must find there no stale
    // passing key that would lead it further.
    if (EastMost < 79)
        for (int y = 0; y <= SouthMost; ++y)
            Cells[IndexOf(EastMost + 1, y)] = UnreachedKey;
    if (SouthMost < 79)
        for (int x = 0; x <= EastMost; ++x)
            Cells[IndexOf(x, SouthMost + 1)] = UnreachedKey;
    Cells[IndexOf(StartX, StartY)] = Key(Matrix[StartX][StartY]);
}

// The count the flood found for cell (x, y), Unreached when none.
int CountAt(int x, int y)
{
    if (x > EastMost || y > SouthMost || Cells[IndexOf(x, y)] >= UnreachedKey)
        return Unreached;
    return Cells[IndexOf(x, y)] / 2;
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
            Reset();
            Expand(StartX, StartY);
        } else {
            // Written before the pair's line, so that the line stays whole on a terminal.
            Note() << "pair " << Pair << " has a coordinate outside 0 to 79" << std::endl;
        }
        std::cout << "Pair " << Pair << ": ";
        const int Found = OnGrid ? CountAt(DestX, DestY) : Unreached;
        if (Found == Unreached)
            std::cout << "impossible." << std::endl;
        else
            std::cout << Found << " segments." << std::endl;
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
