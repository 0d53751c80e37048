#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "batch/BatchRun.h"
#include "batch/ChunkReader.h"
#include "batch/Messages.h"
#include "batch/OutputCheck.h"
#include "batch/Pace.h"
#include "batch/Progress.h"
#include "batch/Workers.h"
#include "support/Hash.h"
#include "support/Puzzles.h"
#include "support/TempDirectory.h"

namespace Novem::Batch {
namespace {

using TestSupport::ReadFile;

const std::string kSample(TestSupport::kSamplePuzzle);
const std::string kSolution(TestSupport::kSampleSolution);
const std::string kFiveTwice = "5....5" + std::string(75, '.');
const std::string kEmpty(81, '.');

struct Outcome {
    int status;
    std::string out;
    std::string err;

    bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& outcome, std::ostream* out) {
    *out << outcome.status << " [" << outcome.out << "] [" << outcome.err << "]";
}

class RunBatchTest : public TestSupport::InTempDirectory {
protected:
    // Runs with `input` as standard input and the output in files of the test's folder.
    Outcome Run(const BatchOptions& options, const std::string& input = "") {
        WriteFile("stdin.txt", input);
        const int in = open("stdin.txt", O_RDONLY);
        const int out = open("stdout.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int status = RunBatch(options, {in, out, err});
        for (const int fd : {in, out, err}) {
            close(fd);
        }
        return {status, ReadFile("stdout.txt"), ReadFile("stderr.txt")};
    }
};

TEST_F(RunBatchTest, StatsAndJsonCarryEveryCounter) {
    EXPECT_EQ(Run({.stats = true}, kEmpty).out,
              kEmpty + " unsolved\n" + std::string(TestSupport::kNothingChanged));

    WriteFile("a \"b\".txt", "# the sample\n" + kSample + "\n");
    EXPECT_EQ(Run({.stats = true, .json = true, .files = {"a \"b\".txt"}}).out,
              "{\"file\": \"a \\\"b\\\".txt\", \"line\": 2, \"puzzle\": \"" + kSample +
                  "\", \"result\": \"" + kSolution +
                  "\", \"solved\": true, \"steps\": 80, \"notifications\": 61, "
                  "\"cellUpdates\": 445, \"singleCell\": [0, 43, 6, 1, 4, 4, 1, 0, 0, 0], "
                  "\"dualCells\": 107}\n");
}

// Each result gains the number of solutions and the one solution; the summary counts them. The
// rules' part of the line stays as it is.
TEST_F(RunBatchTest, SolutionsAreCountedForEveryPuzzle) {
    const std::string seventeen(TestSupport::kSeventeen);
    const std::string seventeenSolution(TestSupport::kSeventeenSolution);
    const std::string input = kSample + "\n" + seventeen + "\n" + kEmpty + "\n" + kFiveTwice + "\n";
    const Outcome plain = Run({.summary = true, .solutions = true}, input);
    const std::string seventeenResult =
        ".71248.35248.53.1.35.1..842.3581642.8..5.43.141..3.5.8...3.51841.4....535.34.1...";
    EXPECT_EQ(plain.out, kSolution + " solved 1 " + kSolution + "\n" + seventeenResult +
                             " unsolved 1 " + seventeenSolution + "\n" + kEmpty +
                             " unsolved 2\n5....x" + std::string(75, '.') + " unsolved 0\n");
    EXPECT_NE(plain.err.find("Solutions\n"
                             "  none                                   1   25.00 %\n"
                             "  one                                    2   50.00 %\n"
                             "  two or more                            1   25.00 %\n"),
              std::string::npos)
        << plain.err;
    const std::string json = Run({.json = true, .solutions = true}, seventeen + "\n" + kEmpty).out;
    EXPECT_NE(json.find("\"dualCells\": 73, \"solutions\": 1, \"solution\": \"" +
                        seventeenSolution + "\"}\n"),
              std::string::npos)
        << json;
    EXPECT_TRUE(json.ends_with("\"solutions\": 2, \"solution\": null}\n")) << json;
}

// Where the rules stall the ladder goes on: the result gains the level and the technique of the
// step that set the ER, JSON its keys, the log a block headed by the technique, the summary the
// levels. The rules' part of a result the ladder doesn't touch stays as it is. An unsolved grid
// is not rated.
TEST_F(RunBatchTest, TheLadderRatesWhatEachPuzzleNeeded) {
    const std::string kite =
        "100400006002870500095100000409000000001000600000000209000007930007028400900003008";
    const std::string solved =
        "138452796642879513795136824479265381281394657563781249854617932317928465926543178";
    const Ladder::Families all = Ladder::kAllFamilies;
    EXPECT_EQ(Run({.techniques = all}, kite + "\n" + kSample).out,
              solved + " solved 5 ER:XY-wing 4.2/1.2/1.2\n" + kSolution +
                  " solved 2 ER:claiming 2.8/1.2/1.2\n");
    EXPECT_TRUE(Run({.techniques = Ladder::FamilyBit(Ladder::Family::Fish)}, kite)
                    .out.ends_with(" unsolved 15 ER:none 20.0/20.0/20.0\n"));
    const std::string json = Run({.json = true, .explain = true, .techniques = all}, kite).out;
    EXPECT_NE(json.find("\"level\": 5, \"levelName\": \"needs wings\", \"erStep\": \"XY-wing\""),
              std::string::npos);
    EXPECT_NE(json.find("\"er\": 4.2, \"ep\": 1.2, \"ed\": 1.2"), std::string::npos) << json;
    EXPECT_NE(json.find("{\"step\": 16, \"technique\": \"XY-wing\", \"region\": null, "
                        "\"cells\": [\"r2c9\", \"r8c1\", \"r8c9\"], \"digits\": [3], "
                        "\"pivot\": \"r8c9\", \"pincers\": [\"r2c9\", \"r8c1\"], "
                        "\"candidates\": [[\"r2c9\", [1, 3]], [\"r8c1\", [3, 5]], "
                        "[\"r8c9\", [1, 5]]], \"removed\": [[\"r2c1\", [3]]], \"placed\": []}"),
              std::string::npos)
        << json;
    Run({.techniques = all, .logFile = "ladder.log"}, kite);
    EXPECT_NE(ReadFile("ladder.log").find("************ XY-wing[16] ************\r\n"),
              std::string::npos);
    // JSON says what the text says where nothing was needed, and a fish names its base's cells.
    EXPECT_NE(Run({.json = true, .techniques = all}, kSolution).out.find("\"erStep\": \"none\""),
              std::string::npos);
    EXPECT_NE(
        Run({.json = true, .explain = true, .techniques = Ladder::FamilyBit(Ladder::Family::Fish)},
            "016400000200009000400000062070230100100000003003087040960000005000800007000006820")
            .out.find("\"technique\": \"X-wing\", \"region\": null, \"cells\": [\"r1c1\", "
                      "\"r1c9\", \"r4c1\", \"r4c9\"], \"digits\": [8], \"base\""),
        std::string::npos);
    EXPECT_NE(Run({.summary = true, .techniques = all}, kite)
                  .err.find("  5 needs wings                          1  100.00 %\n"),
              std::string::npos);
}

// Givens that clash are no solution, whatever the options: a full grid of them as much as a
// partial one, in text, JSON and the summary.
TEST_F(RunBatchTest, ClashingGivensAreNeverSolved) {
    std::string rows;
    for (int row = 0; row < 9; ++row) {
        rows += "123456789";
    }
    const std::string input = std::string(81, '5') + "\n" + rows + "\n11" + std::string(79, '.');
    for (const std::optional<Ladder::Families> techniques :
         {std::optional<Ladder::Families>(), std::optional(Ladder::kAllFamilies)}) {
        for (const bool solutions : {false, true}) {
            const BatchOptions text{
                .summary = true, .solutions = solutions, .techniques = techniques};
            const Outcome plain = Run(text, input);
            EXPECT_EQ(std::count(plain.out.begin(), plain.out.end(), 'x') > 0 &&
                          plain.out.find(" solved") == std::string::npos,
                      true)
                << plain.out;
            EXPECT_NE(plain.err.find("  solved                                 0    0.00 %\n"),
                      std::string::npos)
                << plain.err;
            BatchOptions json = text;
            json.json = true;
            EXPECT_EQ(Run(json, input).out.find("\"solved\": true"), std::string::npos);
        }
    }
}

// A position is solved, rated and searched from exactly its candidates: the sample written as its
// bare candidates gives what the sample gives. --candidates writes what is left as 729 places, a
// line of 728 is told and skipped, and a cell without a candidate has no solution.
TEST_F(RunBatchTest, SolvesAPositionFromItsCandidates) {
    const auto fixture = [](const std::string& name) {
        const std::string text = ReadFile(NOVEM_TEST_DATA "/positions/" + name);
        return text.substr(0, text.find('\n'));
    };
    const std::string bare = fixture("sample-bare.txt");
    for (const std::optional<Ladder::Families> techniques :
         {std::optional<Ladder::Families>(), std::optional(Ladder::kAllFamilies)}) {
        const BatchOptions options{.solutions = true, .techniques = techniques};
        EXPECT_EQ(Run(options, bare).out, Run(options, kSample).out);
    }
    std::string places;
    for (const char digit : kSolution) {
        places += std::string(static_cast<std::size_t>(digit - '1'), '.') + digit +
                  std::string(static_cast<std::size_t>('9' - digit), '.');
    }
    EXPECT_EQ(Run({.candidates = true}, kSample).out, places + " solved\n");
    const std::string thinned = fixture("expected.txt");
    std::string empty = thinned;
    empty.replace(9 * 10, 9, std::string(9, '.'));
    const Outcome outcome = Run({.solutions = true, .techniques = Ladder::kAllFamilies},
                                thinned + "\n" + thinned.substr(1) + "\n" + empty + "\n");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err,
              "novem-batch: -:2: expected 729 cells for a grid of candidates, found 728\n");
    EXPECT_EQ(outcome.out.substr(0, outcome.out.find('\n')),
              kSolution + " solved 0 ER:hidden-single 1.2/1.2/1.2 1 " + kSolution);
    EXPECT_EQ(outcome.out.substr(outcome.out.find('\n') + 1 + 10, 1), "x");
    EXPECT_TRUE(outcome.out.ends_with(" unsolved 15 ER:none 20.0/20.0/20.0 0\n")) << outcome.out;
    EXPECT_NE(
        Run({.json = true}, fixture("scrambled.txt")).out.find("\"puzzle\": \"" + thinned + "\""),
        std::string::npos);
}

TEST_F(RunBatchTest, TimeCountsThePuzzlesAndTheSolved) {
    const std::regex time(
        "[0-9]+ puzzles?, [0-9]+ solved, [0-9]+\\.[0-9]{3} s, [0-9]+ puzzles/s\n");
    for (const auto& [input, start] : {std::pair{kSample, "1 puzzle, 1 solved"},
                                       {kSample + "\n" + kEmpty, "2 puzzles, 1 solved"}}) {
        const std::string err = Run({.time = true}, input).err;
        EXPECT_TRUE(std::regex_match(err, time) && err.starts_with(start)) << err;
    }
}

// Published collections' trailing fields are ignored; every line that is no puzzle is told where
// it was written, its column counted from the start of the line.
TEST_F(RunBatchTest, ReadsEveryKindOfLine) {
    const std::string input =
        kSample + "  11.9/1.2/1.2\n\n  # a comment\n\t" + std::string(80, '0') + "7 \r\n" +
        kSample + ";name;x\n" + kSample + "#from a forum\n" + kSample + ",1|2\n123\n1 2" +
        std::string(78, '.') + "\n" + kSample + "1 x\n  12x" + std::string(78, '.') + "\n" +
        kSample + "x\n.....\x01\n.....\x7F\n~\n";
    const Outcome outcome = Run({}, input);
    EXPECT_EQ(outcome.status, 1);
    const std::string solved = kSolution + " solved\n";
    EXPECT_EQ(outcome.out,
              solved + std::string(80, '.') + "7 unsolved\n" + solved + solved + solved);
    const std::string cells = " (cells are 1 to 9, 0 or .)\n";
    EXPECT_EQ(outcome.err,
              "novem-batch: -:8: expected 81 cells, found 3\n"
              "novem-batch: -:9: expected 81 cells, found 1\n"
              "novem-batch: -:10: expected 81 cells, found 82\n"
              "novem-batch: -:11: invalid character 'x' at column 5" +
                  cells + "novem-batch: -:12: invalid character 'x' at column 82" + cells +
                  "novem-batch: -:13: invalid character \\x01 at column 6" + cells +
                  "novem-batch: -:14: invalid character \\x7F at column 6" + cells +
                  "novem-batch: -:15: invalid character '~' at column 1" + cells);
}

// What novem-batch tells on standard error.
std::string Told(const std::string& message) {
    return "novem-batch: " + message + "\n";
}

// Every problem is told at its place among the results, and the puzzles after it are solved.
TEST_F(RunBatchTest, ProblemsAreToldInOrderAndSetTheExitStatus) {
    WriteFile("puzzles.txt", "# a bad line, then the sample\n123\n" + kSample + "\n");
    WriteFile("bom.txt", "\xEF\xBB\xBF" + kSample + "\n\xEF\xBB\xBFx\n");
    // Longer than what one read takes in, so that reading goes on past it.
    WriteFile("long.txt", std::string(100000, '1') + "\n" + kSample);
    std::filesystem::create_directory("folder");
    const std::string solved = kSolution + " solved\n";
    const std::string missing = Told("missing.txt: cannot open: No such file or directory");
    const std::string cells = " (cells are 1 to 9, 0 or .)";
    const std::tuple<std::vector<std::string>, std::string, int, std::string, std::string> cases[] =
        {
            {{"-"}, kSample, 0, solved, ""},
            // Input of one byte, which one read takes in whole.
            {{}, "\n", 0, "", ""},
            {{}, "12x\n", 1, "", Told("-:1: invalid character 'x' at column 3" + cells)},
            {{"missing.txt"}, "", 1, "", missing},
            {{"folder", "-"}, kSample, 1, solved, Told("folder: cannot read: Is a directory")},
            {{"missing.txt", "puzzles.txt", "-"},
             "1x\n" + kSolution,
             1,
             solved + solved,
             missing + Told("puzzles.txt:2: expected 81 cells, found 3") +
                 Told("-:1: invalid character 'x' at column 2" + cells)},
            {{"bom.txt"},
             "",
             1,
             solved,
             Told("bom.txt:2: invalid character \\xEF at column 1" + cells)},
            {{"long.txt"},
             "",
             1,
             solved,
             Told("long.txt:1: line too long (100000 bytes), skipped")},
        };
    for (const auto& [files, input, status, out, err] : cases) {
        EXPECT_EQ(Run({.files = files}, input), (Outcome{status, out, err}));
    }
}

// The chunks of any number of workers come out as one worker's, with the problems in place.
TEST_F(RunBatchTest, AnyNumberOfWorkersGivesTheSameBytes) {
    std::string puzzles = ReadFile(NOVEM_TEST_DATA "/guard-puzzles.txt");
    puzzles.insert(puzzles.size() / 3, "not a puzzle\n");
    WriteFile("puzzles.txt", puzzles);
    WriteFile("more.txt", kSample + "\n" + kFiveTwice + "\nbad\n");
    for (BatchOptions options :
         {BatchOptions{.stats = true, .explain = true},
          BatchOptions{.json = true, .explain = true, .logFile = "log.txt"}}) {
        options.files = {"puzzles.txt", "missing.txt", "more.txt", "-"};
        options.jobs = 1;
        const Outcome one = Run(options, kSample);
        const std::string log = ReadFile("log.txt");
        EXPECT_EQ(one.status, 1);
        EXPECT_GT(std::count(one.out.begin(), one.out.end(), '\n'), 360);
        EXPECT_EQ(std::count(one.err.begin(), one.err.end(), '\n'), 3);
        for (const unsigned jobs : {2U, 3U}) {
            options.jobs = jobs;
            const Outcome many = Run(options, kSample);
            EXPECT_EQ(many.status, one.status);
            EXPECT_EQ(many.out, one.out);
            EXPECT_EQ(many.err, one.err);
            EXPECT_EQ(ReadFile("log.txt"), log);
        }
    }
}

// Byte for byte the desktop program's run log, as the guard puzzles recorded it.
TEST_F(RunBatchTest, TheLogIsTheDesktopProgramsRunLog) {
    EXPECT_EQ(Run({.logFile = "batch.log"}, kSample + "\n" + kSample).status, 0);
    const std::string log = ReadFile("batch.log");
    EXPECT_EQ(log.substr(0, log.size() / 2), log.substr(log.size() / 2));
    EXPECT_EQ(TestSupport::Fnv1a(log.substr(0, log.size() / 2)), TestSupport::kSampleLogHash);
}

// The first output that can't be written ends the run with the reason: no puzzle after it is
// solved or counted. A log that can't be opened stops the run before it starts.
TEST_F(RunBatchTest, AFailedWriteEndsTheRunWithTheReason) {
    std::filesystem::create_directory("dir");
    const Outcome folder = Run({.logFile = "dir"}, kSample);
    EXPECT_EQ(folder.status, 1);
    EXPECT_EQ(folder.out, "");
    EXPECT_EQ(folder.err, "novem-batch: dir: cannot open for writing: Is a directory\n");

    // A log too small to fill a buffer fails only when it is written out at the end.
    std::filesystem::create_symlink("/dev/full", "full.log");
    const Outcome smallLog = Run({.logFile = "full.log"}, kFiveTwice);
    EXPECT_EQ(smallLog.status, 1);
    EXPECT_EQ(smallLog.err, "novem-batch: full.log: No space left on device\n");

    std::string many;
    while (many.size() < 200000) {
        many += kSample + "\n";
    }
    WriteFile("stdin.txt", many);
    const int in = open("stdin.txt", O_RDONLY);
    const int full = open("/dev/full", O_WRONLY);
    const int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_EQ(RunBatch({.time = true, .summary = true, .jobs = 2}, {in, full, err}), 1);
    EXPECT_EQ(ReadFile("stderr.txt"), "novem-batch: standard output: No space left on device\n");
    for (const int fd : {in, full, err}) {
        close(fd);
    }
}

// Whatever path names them, a log that is an input or standard output, and a standard output
// that is an input, are refused before anything is read or opened for writing.
TEST_F(RunBatchTest, AnOutputThatWouldOverwriteAnInputIsRefused) {
    WriteFile("puzzles.txt", kSample);
    WriteFile("out.txt", "");
    std::filesystem::create_symlink("puzzles.txt", "link.txt");
    const int in = open("puzzles.txt", O_RDONLY);
    const int out = open("out.txt", O_WRONLY);
    const int inAsOut = open("puzzles.txt", O_WRONLY | O_APPEND);
    const int null = open("/dev/null", O_RDWR);
    const std::tuple<std::string, std::vector<std::string>, std::string> logs[] = {
        {"puzzles.txt", {"puzzles.txt"}, "an input"},
        {"link.txt", {"x", "./puzzles.txt"}, "an input"},
        {"new.txt", {"./new.txt"}, "an input"},
        {"./puzzles.txt", {}, "standard input"},
        {"out.txt", {"puzzles.txt"}, "standard output"},
        {"-", {"puzzles.txt"}, "standard output"},
        {"log.txt", {"puzzles.txt", "-"}, ""},
        {"/dev/null", {"/dev/null"}, ""},
    };
    for (const auto& [log, files, refusal] : logs) {
        EXPECT_EQ(OutputCheck::Log({.logFile = log, .files = files}, {in, out, 2}),
                  refusal.empty() ? "" : Told(log + ": refusing to write the log to " + refusal));
    }
    const std::tuple<std::vector<std::string>, int, int, std::string> outputs[] = {
        {{"x", "link.txt"}, in, inAsOut, "link.txt"},
        {{"-"}, in, inAsOut, "-"},
        {{"out.txt"}, in, inAsOut, ""},
        {{"/dev/null"}, null, null, ""},
    };
    for (const auto& [files, input, output, refused] : outputs) {
        EXPECT_EQ(
            OutputCheck::StandardOutput(BatchOptions{.files = files}.Inputs(), {input, output, 2}),
            refused.empty() ? "" : Told(refused + ": input file is output file"));
    }
    for (const int fd : {in, out, inAsOut, null}) {
        close(fd);
    }
    EXPECT_EQ(ReadFile("puzzles.txt"), kSample);
}

// Three puzzles that need nothing, singles with crossings, and subsets up to a triple.
TEST_F(RunBatchTest, TheSummaryCountsTheCollection) {
    const Outcome outcome = Run(
        {.summary = true}, kSample + "\n" + kEmpty + "\n" + kFiveTwice + "\n" + kSolution + "\n");
    EXPECT_TRUE(
        outcome.err.starts_with("Puzzles                                  4\n"
                                "  solved                                 2   50.00 %\n"
                                "  unsolved                               2   50.00 %\n"
                                "    of them contradicted                 1   25.00 %\n"
                                "\n"
                                "Largest subset needed         no crossings   with crossings\n"
                                "  none                                   2                0\n"
                                "  1 cell (single)                        0                1\n"
                                "  3 cells (triple)                       0                1\n"
                                "\n"
                                "Totals\n"
                                "  Effective Cells updates                 : 465\n"
                                "  Effective \"Single Cell[card=1]\" rules   : 44\n"))
        << outcome.err;
    EXPECT_TRUE(
        outcome.err.ends_with("  Effective \"Dual Cells\" rules            : 109\n"
                              "  Steps                                   : 184\n"
                              "  Notifications                           : 63\n"));
}

// Names with nothing unusual stand as they are; others are quoted so that a message stays one
// line a shell can read back.
TEST(Messages, QuoteFileNamesAsGnuToolsDo) {
    const std::pair<std::string, std::string> cases[] = {
        {"puzzles.txt", "puzzles.txt"},
        {"-", "-"},
        {"a b", "'a b'"},
        {"a\nb", "'a'$'\\n''b'"},
        {"it's", "'it'\\''s'"},
        {"\x01\xFF", "$'\\001'$'\\377'"},
        {"", "''"},
        {"\u00e9t\u00e9", "'\u00e9t\u00e9'"},
    };
    for (const auto& [name, quoted] : cases) {
        EXPECT_EQ(Messages::Quote(name), quoted);
    }
    EXPECT_EQ(Messages::Quote("0", true), "'0'");
    EXPECT_EQ(Messages::Line({.file = "a b", .line = 3}, "bad", ENOENT),
              "novem-batch: 'a b':3: bad: No such file or directory\n");
}

// By itself, progress shows on a terminal that neither the results nor the typed input share.
TEST(Progress, ShowsByItselfOnATerminalOfItsOwn) {
    int terminal = -1;
    int other = -1;
    ASSERT_EQ(openpty(&other, &terminal, nullptr, nullptr, nullptr), 0);
    const int file = open("/dev/null", O_RDWR);
    using Setting = BatchOptions::Progress;
    const std::tuple<Setting, Streams, bool, bool> cases[] = {
        {Setting::Auto, {file, file, terminal}, true, true},
        {Setting::Auto, {file, terminal, terminal}, false, false},
        {Setting::Auto, {terminal, file, terminal}, true, false},
        {Setting::Auto, {terminal, file, terminal}, false, true},
        {Setting::Auto, {file, file, file}, false, false},
        {Setting::Always, {file, file, file}, true, true},
        {Setting::Never, {file, file, terminal}, true, false},
    };
    for (const auto& [setting, streams, readsInput, shows] : cases) {
        EXPECT_EQ(ShowsProgress(setting, streams, readsInput), shows)
            << streams.in << streams.out << streams.err << readsInput;
    }
    for (const int fd : {terminal, other, file}) {
        close(fd);
    }
}

// Chunks follow the pace: one puzzle first, then as many as a few milliseconds take, doubling at
// most, up to the most; a slow chunk brings them back to one, and they grow again only as the pace
// proves fast.
// Each chunk tells where its last line ends in the input, which the progress line shows as done.
TEST_F(RunBatchTest, ChunksFollowThePaceAndTellWhereTheyEnd) {
    std::string input;
    for (int line = 0; line < 8; ++line) {
        input += kSample + "\n";
    }
    WriteFile("puzzles.txt", input);
    Pace pace(4);
    using std::chrono::microseconds;
    const std::chrono::steady_clock::duration paces[] = {
        microseconds(1), std::chrono::seconds(1), microseconds(1), microseconds(1),
        microseconds(1), microseconds(1),         microseconds(1)};
    std::vector<std::pair<std::size_t, std::uint64_t>> chunks;
    ChunkReader(pace, -1, [&](Chunk&& chunk) {
        pace.Record(chunk.items.size(), paces[chunks.size()]);
        chunks.emplace_back(chunk.items.size(), chunk.bytesRead);
        return true;
    }).Read({"puzzles.txt"});
    const std::uint64_t line = kSample.size() + 1;
    EXPECT_EQ(chunks, (std::vector<std::pair<std::size_t, std::uint64_t>>{{1, line},
                                                                          {2, 3 * line},
                                                                          {1, 4 * line},
                                                                          {1, 5 * line},
                                                                          {1, 6 * line},
                                                                          {1, 7 * line},
                                                                          {1, 8 * line}}));
}

// A slow chunk holds up no other worker: while the first is solved, the other goes on to the
// chunks after it, and the outputs are still written in order. (The wait only guards against a
// worker that never goes on.)
TEST(Workers, GoOnPastASlowChunkAndWriteInOrder) {
    std::mutex mutex;
    std::condition_variable changed;
    int laterDone = 0;
    bool wentOn = false;
    std::vector<std::string> written;
    Workers workers(
        2, {},
        [&](const Chunk& chunk, PuzzleSolver&, ChunkOutput& output) {
            output.out = std::to_string(chunk.items[0].line);
            std::unique_lock lock(mutex);
            if (chunk.items[0].line == 0) {
                wentOn = changed.wait_for(lock, std::chrono::seconds(30),
                                          [&] { return laterDone == 3; });
            } else {
                ++laterDone;
                changed.notify_all();
            }
        },
        [&](const ChunkOutput& output) { written.push_back(output.out); });
    for (std::uint64_t line = 0; line < 4; ++line) {
        Chunk chunk;
        chunk.items.push_back({line, {}, {}});
        ASSERT_TRUE(workers.Submit(std::move(chunk)));
    }
    workers.Finish();
    EXPECT_TRUE(wentOn);
    EXPECT_EQ(written, (std::vector<std::string>{"0", "1", "2", "3"}));
}

// The line shows once a run has lasted a second, at most four times a second, with how far and
// how long when the size of the input is known, and is erased at the end.
TEST(Progress, ShowsAfterASecondHowFarAndHowLong) {
    using namespace std::chrono_literals;
    const Progress::Clock::time_point start;
    for (const std::uint64_t inputBytes : {0, 1000}) {
        int ends[2];
        ASSERT_EQ(pipe(ends), 0);
        Progress progress(ends[1], true, inputBytes, start);
        progress.Update(10, 9, 100, start + 999ms);
        progress.Update(100, 90, 500, start + 2s);
        progress.Update(110, 99, 550, start + 2s + 249ms);
        progress.Clear();
        close(ends[1]);
        std::string shown(200, '\0');
        shown.resize(static_cast<std::size_t>(std::max(read(ends[0], shown.data(), 200), 0L)));
        close(ends[0]);
        EXPECT_EQ(shown, "\r\033[K100 puzzles, 90 solved, 50 puzzles/s" +
                             std::string(inputBytes != 0 ? ", 50 %, 0:02 left" : "") + "\r\033[K");
    }
}

}  // namespace
}  // namespace Novem::Batch
