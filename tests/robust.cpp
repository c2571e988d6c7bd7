// Feeds a program many damaged inputs and checks that every run finishes in time,
// exits with status 0 or 1, and writes nothing to standard error but its own notes
// (so no sanitizer report either).
//
//   robust PROGRAM INPUT_NAME FAILURES_DIR SEED CASE.in... [--wide WIDE.in...]
//
// The inputs derive from the given cases by a fixed seed: each cut at many byte
// offsets, and with bytes inserted, deleted and replaced; plus random bytes, random
// tokens, lines of a hundred thousand characters and numbers of twenty digits. An
// input that fails is kept in FAILURES_DIR.
// The equations of the cases after --wide, of up to 39 slots, are all kept: their
// damaged forms reach the exact search. Since each may take a while, they get fewer
// cuts and mutations than the other cases, and also every line cut short at once.

#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

const unsigned TimeLimitSeconds = 30;
// An equation with more slots than this may take long to search, so such inputs
// are left out for the equation solver, unless they derive from a wide case.
const int MostSlots = 10;
const int WideCuts = 8;
const int WideMutations = 24;
const int WideLineCuts = 8;

std::string Program;
std::string InputName;
std::string Prefix;  // what every line of standard error must start with
std::string FailuresDir;
std::string WorkDir;
std::mt19937 Random;
int Runs = 0;
int Skipped = 0;
int Failures = 0;

unsigned Below(std::size_t Bound)
{
    return static_cast<unsigned>(Random() % Bound);
}

std::string ReadFile(const std::string& Path)
{
    std::ifstream File(Path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& Path, const std::string& Text)
{
    std::ofstream File(Path, std::ios::binary);
    File << Text;
}

// An upper bound of the operator slots of any equation on a line: every run of
// spaces may become one, and so may every ")(". Only the line's last 79 characters
// before its trailing spaces count, since a longer expression is not searched.
bool TooManySlots(const std::string& Text)
{
    std::istringstream Lines(Text);
    std::string Line;
    while (std::getline(Lines, Line)) {
        std::size_t End = Line.find_last_not_of(" \r");
        End = End == std::string::npos ? 0 : End + 1;
        int Slots = 0;
        for (std::size_t i = End > 80 ? End - 80 : 0; i + 1 < End; ++i)
            if ((Line[i] == ' ' && Line[i + 1] != ' ') || (Line[i] == ')' && Line[i + 1] == '('))
                ++Slots;
        if (Slots > MostSlots)
            return true;
    }
    return false;
}

// The slots the program finds on a line: the text after a leading number and the
// spaces and "=" after it, without its trailing spaces and carriage return, with a
// slot for every run of spaces not just inside a parenthesis, and for every ")(".
// A line that holds no result is counted whole, which can only count more; and the
// expression ends at a zero byte.
int SearchedSlots(std::string Line)
{
    Line = Line.substr(0, Line.find('\0'));  // the text ends at a zero byte
    std::size_t i = Line.find_first_not_of(" \t\r\v\f");
    if (i == std::string::npos)
        return 0;
    std::size_t End = i;
    if (End < Line.size() && (Line[End] == '-' || Line[End] == '+'))
        ++End;
    const std::size_t Digits = End;
    while (End < Line.size() && Line[End] >= '0' && Line[End] <= '9')
        ++End;
    if (End > Digits)
        for (i = End; i < Line.size() && (Line[i] == ' ' || Line[i] == '='); ++i)
            ;
    std::size_t Last = Line.find_last_not_of(" \r");
    Last = Last == std::string::npos || Last < i ? i : Last + 1;
    int Slots = 0;
    for (std::size_t k = i; k < Last; ++k) {
        if (Line[k] == ')' && k + 1 < Last && Line[k + 1] == '(')
            ++Slots;
        if (Line[k] != ' ')
            continue;
        std::size_t Run = k;
        while (Line[Run] == ' ')
            ++Run;
        if (Line[Run] != ')' && (k == i || Line[k - 1] != '('))
            ++Slots;
        k = Run - 1;
    }
    return Slots;
}

// Whether a line of a wide case's damaged form goes to the exhaustive search with
// more than MostSlots slots: from 20 slots on, the exact search answers.
bool SlowExhaustive(const std::string& Text)
{
    std::istringstream Lines(Text);
    std::string Line;
    while (std::getline(Lines, Line)) {
        const int Slots = SearchedSlots(Line);
        if (Slots > MostSlots && Slots < 20)
            return true;
    }
    return false;
}

// Lines that would make every input derived from this one too slow to search.
std::string WithoutLongSearches(const std::string& Text)
{
    std::istringstream Lines(Text);
    std::string Line, Kept;
    while (std::getline(Lines, Line))
        if (!TooManySlots(Line))
            Kept += Line + "\n";
    return Kept;
}

bool ErrorIsNotes(const std::string& Error)
{
    std::istringstream Lines(Error);
    std::string Line;
    while (std::getline(Lines, Line))
        if (Line.compare(0, Prefix.size(), Prefix) != 0)
            return false;
    return Error.empty() || Error.back() == '\n';
}

void Check(const std::string& Input, const std::string& Label, bool Wide = false)
{
    if (InputName == "velkora.in" && (Wide ? SlowExhaustive(Input) : TooManySlots(Input))) {
        ++Skipped;
        return;
    }
    ++Runs;
    WriteFile(WorkDir + "/" + InputName, Input);
    const std::string ErrorPath = WorkDir + "/error";
    const pid_t Child = fork();
    if (Child == 0) {
        if (chdir(WorkDir.c_str()) != 0)
            _exit(127);
        const int Null = open("/dev/null", O_RDWR);
        const int Error = open(ErrorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(Null, 0);
        dup2(Null, 1);
        dup2(Error, 2);
        alarm(TimeLimitSeconds);  // survives exec: a run that hangs is killed
        execl(Program.c_str(), Program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int Status = 0;
    waitpid(Child, &Status, 0);
    const std::string Error = ReadFile(ErrorPath);
    std::string Fault;
    if (WIFSIGNALED(Status))
        Fault = WTERMSIG(Status) == SIGALRM ? "did not finish in time"
                                            : std::string("killed by ") + strsignal(WTERMSIG(Status));
    else if (WEXITSTATUS(Status) > 1)
        Fault = "exit status " + std::to_string(WEXITSTATUS(Status));
    else if (!ErrorIsNotes(Error))
        Fault = "standard error holds more than notes";
    if (Fault.empty())
        return;
    ++Failures;
    const std::string Kept = FailuresDir + "/failure-" + std::to_string(Failures) + ".in";
    WriteFile(Kept, Input);
    std::cout << "FAILED (" << Label << "): " << Fault << "; input kept as " << Kept << "\n";
    std::cout << Error.substr(0, 2000) << "\n";
}

const char Alphabet[] = {'0', '1', '5', '9', ' ', ' ', '\n', '\n', '\r', '\t', 'X', 'x',
                         '(', ')', '=', '-', '+', '\0', '\x80', '\xC3', '\xFF'};

char AnyByte()
{
    return Alphabet[Below(sizeof Alphabet)];
}

std::string TwentyDigits()
{
    std::string Number;
    for (int i = 0; i < 20; ++i)
        Number += static_cast<char>('0' + Below(10));
    return Number;
}

// A few random edits in a row: inserted, deleted or replaced bytes, and long numbers.
std::string Mutate(std::string Text)
{
    const unsigned Edits = 1 + Below(4);
    for (unsigned e = 0; e < Edits; ++e) {
        const std::size_t At = Text.empty() ? 0 : Below(Text.size() + 1);
        switch (Below(4)) {
        case 0:
            Text.insert(At, 1, AnyByte());
            break;
        case 1:
            if (At < Text.size())
                Text.erase(At, 1 + Below(3));
            break;
        case 2:
            if (At < Text.size())
                Text[At] = AnyByte();
            break;
        default:
            Text.insert(At, (Below(2) ? "-" : "") + TwentyDigits() + " ");
            break;
        }
    }
    return Text;
}

void CheckCase(const std::string& Path, bool Wide)
{
    std::string Text = ReadFile(Path);
    if (InputName == "velkora.in" && !Wide)
        Text = WithoutLongSearches(Text);
    const std::string Name = Path.substr(Path.find_last_of('/') + 1);
    // Cut at every offset of a small file, at 32 spread offsets of a larger one.
    const std::size_t Cuts = Wide ? WideCuts : 32;
    const std::size_t Step = Text.size() / Cuts + 1;
    for (std::size_t Length = 0; Length < Text.size(); Length += Step)
        Check(Text.substr(0, Length), Name + " cut at " + std::to_string(Length), Wide);
    for (int m = 0; m < (Wide ? WideMutations : 32); ++m)
        Check(Mutate(Text), Name + " mutation " + std::to_string(m), Wide);
    // Every line cut short somewhere in its last quarter, so that wide expressions
    // end in an open group, a missing operand or half a number.
    for (int c = 0; Wide && c < WideLineCuts; ++c) {
        std::istringstream Lines(Text);
        std::string Line, Cut;
        while (std::getline(Lines, Line)) {
            std::size_t Keep = Line.size() - Below(Line.size() / 4 + 1);
            const std::size_t Open = Line.rfind('(');
            if (c % 2 == 1 && Open != std::string::npos)
                Keep = Open + 1;  // the text ends in "("
            const std::string Short = Line.substr(0, Keep);
            // A line left with too few slots for the exact search stays whole.
            Cut += (SlowExhaustive(Short) ? Line : Short) + "\n";
        }
        Check(Cut, Name + " lines cut " + std::to_string(c), Wide);
    }
}

void CheckGenerated()
{
    std::string Bytes;
    for (int i = 0; i < 4096; ++i)
        Bytes += static_cast<char>(Below(256));
    Check(Bytes, "random bytes");

    std::string Tokens;
    for (int i = 0; i < 4096; ++i)
        Tokens += AnyByte();
    Check(Tokens, "random tokens");

    const std::string Long(100000, 'X');
    Check("5 3\n" + Long + "\n" + Long + "\n\n1 1 5 3\n1 2 3 3\n0 0 0 0\n0 0\n", "long row lines");
    std::string Operands;
    for (int i = 0; i < 50000; ++i)
        Operands += i % 2 ? " " : "7";
    Check("7 = " + Operands + "\n3 = 1 2\n" + "3 = (1)(2)" + std::string(100000, ' ') + "\n0\n",
          "long expression lines");
    Check("12345678901234567890 2\n" + TwentyDigits() + " = 1 2\n" + "3 " + TwentyDigits() + "\n",
          "twenty-digit numbers");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::cerr << "usage: robust PROGRAM INPUT_NAME FAILURES_DIR SEED CASE.in... [--wide WIDE.in...]\n";
        return 2;
    }
    Program = argv[1];
    // The program runs in the working directory, so a relative path is made whole.
    if (char* Whole = realpath(argv[1], nullptr)) {
        Program = Whole;
        std::free(Whole);
    }
    InputName = argv[2];
    FailuresDir = argv[3];
    Random.seed(static_cast<unsigned>(std::strtoul(argv[4], nullptr, 10)));
    Prefix = InputName.substr(0, InputName.find('.')) + ": ";
    // The directory above is made too, as in a fresh build tree.
    mkdir(FailuresDir.substr(0, FailuresDir.find_last_of('/')).c_str(), 0755);
    mkdir(FailuresDir.c_str(), 0755);
    char Template[] = "/tmp/robust.XXXXXX";
    if (!mkdtemp(Template)) {
        std::cerr << "robust: cannot make a working directory: " << std::strerror(errno) << "\n";
        return 2;
    }
    WorkDir = Template;

    bool Wide = false;
    for (int i = 5; i < argc; ++i) {
        if (std::strcmp(argv[i], "--wide") == 0)
            Wide = true;
        else
            CheckCase(argv[i], Wide);
    }
    CheckGenerated();

    unlink((WorkDir + "/" + InputName).c_str());
    unlink((WorkDir + "/error").c_str());
    rmdir(WorkDir.c_str());
    if (Skipped > 0)
        std::cout << Skipped << " inputs left out: their searches would take long\n";
    std::cout << Runs - Failures << " passed, " << Failures << " failed\n";
    return Failures == 0 ? 0 : 1;
}
