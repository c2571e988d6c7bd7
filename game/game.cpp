// game: for every queried pair of cells on a board, the least number of straight
// segments of a path between them, where the path may run around the board through
// a margin one cell wide. Reads "game.in" in the current directory.

#include <cerrno>
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

// Lowers cell (x, y) to Count if that is less than it holds, and floods on from
// it at once. Returns whether the line being walked goes on past the cell.
bool Reach(int x, int y, int Count);

void Expand(int a, int b)
{
    if ((a != StartX || b != StartY) && Matrix[a][b] == 1)
        return;
    // Nested calls only store larger counts, so this cell's count stays put.
    const int Count = Value[a][b] + 1;
    for (int x = a - 1; x >= 0; --x)
        if (!Reach(x, b, Count))
            break;
    const int East = Width + 1;  // read once: the walks' calls hide it from the compiler
    for (int x = a + 1; x <= East; ++x)
        if (!Reach(x, b, Count))
            break;
    for (int y = b - 1; y >= 0; --y)
        if (!Reach(a, y, Count))
            break;
    const int South = Height + 1;
    for (int y = b + 1; y <= South; ++y)
        if (!Reach(a, y, Count))
            break;
}

bool Reach(int x, int y, int Count)
{
    // Most cells met already hold Count, so that case is tested first.
    if (Value[x][y] != Count) {
        if (Value[x][y] < Count)
            return false;
        Value[x][y] = Count;
        Expand(x, y);
    }
    return Matrix[x][y] != 1;
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
        std::cout << "Pair " << Pair << ": ";
        if (!InGrid(StartX) || !InGrid(StartY) || !InGrid(DestX) || !InGrid(DestY)) {
            Note() << "pair " << Pair << " has a coordinate outside 0 to 79" << std::endl;
            std::cout << "impossible." << std::endl;
        } else {
            for (auto& Column : Value)
                for (int& Cell : Column)
                    Cell = Unreached;
            Value[StartX][StartY] = 0;
            Expand(StartX, StartY);
            if (Value[DestX][DestY] == Unreached)
                std::cout << "impossible." << std::endl;
            else
                std::cout << Value[DestX][DestY] << " segments." << std::endl;
        }
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
