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
// 2 x count + 2, less 1 when the cell is occupied. A walk with count c passes the free
// cells that hold c, key 2c + 2, and stops at every smaller key: a smaller count, or c
// on an occupied cell. So one comparison of the key tells a walk all it needs, and the
// key a walk stores is its own less the occupied cell's 1. The start cell holds key 2
// whether occupied or not: every walk stops there all the same. The cells on the
// recursion's stack are distinct and each holds one more than the one before, so no
// count passes 6400 and keys fit.
//
// The keys are kept twice, by columns and by rows, so that every walk reads
// neighbouring keys: where a walk passes one cell it most likely passes many, and
// then it compares eight at a time, as two 64-bit words. Both copies take every store.
// Each line has sentinel cells of key 0 at both ends (a border before it, and one
// just past the last cell a flood resets): no walk passes them (as no walk passes
// the start cell, count 0), so walks need no test for the end of their line, but
// for a flood that starts beyond the margin (below), and no word read leaves the
// line's slot.
using Key = std::uint16_t;
const Key UnreachedKey = 0xFFFE;  // - 1 when occupied: above every key stored
const int Border = 8;             // a walk down reads at most four keys before its line
const int Line = 128;             // keys from one line to the next: a power of 2
const int ByRow = (1 + 80 + 1) * Line;
alignas(Line * sizeof(Key)) Key Keys[2 * ByRow];  // by columns, [1 + x][Border + y], then by rows, [1 + y][Border + x]
// A flood touches only columns 0 to EastMost = max(W + 1, start column) and rows 0 to
// SouthMost = max(H + 1, start row): walks east and south end at the margin, and walks
// west and north at 0. Only those cells are reset, and a cell outside is unreached.
int EastMost;
int SouthMost;

// Unsigned, a place needs no sign extension before it addresses a key.
inline unsigned ColumnIndex(int x, int y)
{
    return unsigned((1 + x) * Line + Border + y);
}

inline unsigned RowIndex(int x, int y)
{
    return unsigned(ByRow + (1 + y) * Line + Border + x);
}

inline std::uint64_t WordAt(const Key* Cell)
{
    std::uint64_t Word;
    std::memcpy(&Word, Cell, sizeof Word);
    return Word;
}

// From a cell that a walk passes, and the one after it, in the walk's direction
// (Step): the first cell after them that the walk does not pass. Walks call it only
// then: on most boards the runs that walks pass are short.
template <int Step>
[[gnu::always_inline]] inline Key* Skip(Key* Cell)
{
    // Whole words of four keys while all four pass (a comparison that does not
    // depend on the order of bytes), two words a round. The two keys known to
    // pass make half of the word that passes.
    std::uint32_t Half;
    std::memcpy(&Half, Step > 0 ? Cell : Cell - 1, sizeof Half);
    const std::uint64_t Pass = Half | std::uint64_t{Half} << 32;
    // The word from Near on (in the walk's direction) holds the first cell that
    // does not pass. Where the order of bytes is known, the bit that differs
    // nearest to Near tells which: key by key, the last comparison's mispredicted
    // branch made the empty board a third slower. Counted unsigned, the offset
    // needs no sign extension.
    auto Found = [Pass](Key* Near, std::uint64_t Word) {
        if constexpr (std::endian::native == std::endian::little)
            return Step > 0 ? Near + unsigned(std::countr_zero(Word ^ Pass)) / 16
                            : Near - 3 + (63 - unsigned(std::countl_zero(Word ^ Pass))) / 16;
        while (*Near == Key(Pass))
            Near += Step;
        return Near;
    };
    for (Cell += 2 * Step;; Cell += 8 * Step) {
        std::uint64_t Word = WordAt(Step > 0 ? Cell : Cell - 3);
        if (Word != Pass)
            return Found(Cell, Word);
        Word = WordAt(Step > 0 ? Cell + 4 : Cell - 7);
        if (Word != Pass)
            return Found(Cell + 4 * Step, Word);
    }
}

// The four walks out of a cell, and None.
enum Direction { West, East, North, South, None };

// A call on a cell that a walk lowered leaves out the walk back to where that walk
// came from (Back): its first cell is the walk's cell or one the walk passed, which
// holds one less than this call's count, so it would stop at once.
//
// Far: the flood started beyond the margin, so that cells lie past the end of a walk
// east or south, and such a walk must test where it is before it lowers a cell. Any
// other flood's walks end at the sentinel just past the margin.
template <Direction Back, bool Far>
void Expand(int a, int b);

// Walks one line out of cell (a, b): west or east (Across) in row b, north or south
// in column a, and lowers to the walk's count every cell that holds more. Lowered
// free cells are flooded from at once; an occupied cell met ends the line (when
// lowered, with no call: a call on it would return at once).
template <bool Across, int Step, bool Far>
[[gnu::always_inline]] inline void Walk(int a, int b, int Count)
{
    const Key Passing = Key(2 * Count + 2);
    for (Key* Cell = Keys + (Across ? RowIndex(a, b) : ColumnIndex(a, b)) + Step;; Cell += Step) {
        Key Met = *Cell;
        if (Met == Passing) {
            Met = Cell[Step];
            if (Met == Passing) {
                Cell = Skip<Step>(Cell);
                Met = *Cell;
            } else {
                Cell += Step;
            }
        }
        // On boards with obstacles two tests in three stop the walk: as the straight
        // path, a call that lowers nothing runs without a taken branch.
        if (Met < Passing) [[likely]]
            return;
        const int i = int(reinterpret_cast<std::uintptr_t>(Cell) / sizeof(Key) % Line) - Border;
        // Past the margin, a walk east or south passes cells but lowers none.
        if (Far && Step > 0 && i > (Across ? Width : Height) + 1)
            return;
        const int x = Across ? i : a, y = Across ? b : i;
        Key* const Other = Keys + (Across ? ColumnIndex(x, y) : RowIndex(x, y));
        const auto Lower = [&](Key Value) {
            *Cell = *Other = Value;  // the store: cell (x, y) takes Count
        };
        // An occupied cell takes the key less its 1, and ends the line. Tested before
        // the store, each path stores a key it holds instead of working one out.
        if (Met & 1) {
            Lower(Key(Passing - 1));
            return;
        }
        Lower(Passing);
        Expand<Across ? (Step > 0 ? West : East) : (Step > 0 ? North : South), Far>(x, y);
    }
}

template <Direction Back, bool Far>
void Expand(int a, int b)
{
    // Nested calls only store larger counts, so this cell's count stays put. Read by
    // rows, where the first walk starts: the column's place is then worked out only
    // for the walks north and south, and no register holds it over the walks across.
    const int Count = Keys[RowIndex(a, b)] / 2;
    if (Back != West)
        Walk<true, -1, Far>(a, b, Count);
    if (Back != East)
        Walk<true, +1, Far>(a, b, Count);
    if (Back != North)
        Walk<false, -1, Far>(a, b, Count);
    if (Back != South)
        Walk<false, +1, Far>(a, b, Count);
}

inline void SetKey(int x, int y, Key Value)
{
    Keys[ColumnIndex(x, y)] = Keys[RowIndex(x, y)] = Value;
}

// Before a flood every cell it can touch is unreached, but the start, and the cells
// just past them are sentinels.
void Reset()
{
    EastMost = std::max(Width + 1, StartX);
    SouthMost = std::max(Height + 1, StartY);
    for (int x = 0; x <= EastMost; ++x)
        for (int y = 0; y <= SouthMost; ++y)
            SetKey(x, y, Key(UnreachedKey - Matrix[x][y]));
    for (int y = 0; y <= SouthMost; ++y)
        Keys[RowIndex(EastMost + 1, y)] = 0;
    for (int x = 0; x <= EastMost; ++x)
        Keys[ColumnIndex(x, SouthMost + 1)] = 0;
    SetKey(StartX, StartY, 2);
}

// Floods from the start cell.
void Flood()
{
    Reset();
    if (StartX > Width + 1 || StartY > Height + 1)
        Expand<None, true>(StartX, StartY);
    else
        Expand<None, false>(StartX, StartY);
}

// The count the flood found for cell (x, y), Unreached when none.
int CountAt(int x, int y)
{
    if (x > EastMost || y > SouthMost || Keys[ColumnIndex(x, y)] >= UnreachedKey - 1)
        return Unreached;
    return (Keys[ColumnIndex(x, y)] + 1) / 2 - 1;
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
            Flood();
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
