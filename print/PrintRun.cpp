#include "PrintRun.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QPdfWriter>
#include <csignal>
#include <cstring>

#include "Booklet.h"
#include "BookletPuzzles.h"
#include "batch/Io.h"
#include "batch/LineReader.h"
#include "batch/Messages.h"
#include "batch/OutputCheck.h"
#include "batch/OutputFile.h"

namespace PrintRun {

namespace {

namespace Batch = Novem::Batch;
namespace Messages = Novem::Batch::Messages;

// The temporary file being written, for the signal handler to take away: a run stopped by a
// signal leaves no partial file behind.
char g_temporary[4096];

extern "C" void RemoveTemporaryAndDie(int signal) {
    if (g_temporary[0] != '\0') {
        unlink(g_temporary);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

constexpr int kStoppingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

class Told {
public:
    explicit Told(int err) : m_err(err) {}

    void operator()(const std::string& line) {
        Batch::WriteAll(m_err, line);
        m_status = 1;
    }
    int Status() const { return m_status; }

private:
    int m_err;
    int m_status = 0;
};

void ReadPuzzles(const std::string& input, int standardInput, Told& tell,
                 std::vector<Novem::PuzzleText::Puzzle>& puzzles) {
    const bool named = input != "-";
    const int fd = named ? open(input.c_str(), O_RDONLY | O_CLOEXEC) : standardInput;
    if (fd < 0) {
        tell(Messages::Line({.file = input}, "cannot open", errno));
        return;
    }
    try {
        Batch::LineReader reader(fd);
        for (Batch::LineReader::Line line; reader.Next(line);) {
            if (line.tooLong) {
                tell(Messages::Line(
                    {.file = input, .line = line.number},
                    "line too long (" + std::to_string(line.length) + " bytes), skipped"));
                continue;
            }
            Novem::PuzzleText::ParsedLine parsed = Novem::PuzzleText::ParseLine(line.text);
            if (parsed.kind == Novem::PuzzleText::ParsedLine::Kind::Puzzle) {
                puzzles.push_back(std::move(parsed.puzzle));
            } else if (parsed.kind == Novem::PuzzleText::ParsedLine::Kind::Invalid) {
                tell(Messages::Line({.file = input, .line = line.number}, parsed.error));
            }
        }
    } catch (const Batch::ReadError& error) {
        tell(Messages::Line({.file = input}, "cannot read", error.Error()));
    }
    if (named) {
        close(fd);
    }
}

QByteArray Pdf(const Options& options, const std::vector<Novem::PuzzleText::Puzzle>& puzzles) {
    const BookletPuzzles::Grids grids = BookletPuzzles::Make(puzzles, options.rating);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(options.paper.value_or(Booklet::LocalePaper())));
        constexpr qreal kMargin = 15;
        writer.setPageMargins(QMarginsF(kMargin, kMargin, kMargin, kMargin),
                              QPageLayout::Millimeter);
        constexpr int kDotsPerInch = 600;
        writer.setResolution(kDotsPerInch);
        writer.setTitle(QString::fromStdString(options.title));
        writer.setCreator(QStringLiteral("novem-print"));
        Booklet::Paint(writer, grids.puzzles,
                       options.solutions ? grids.solutions : std::vector<PrintedGrid>(),
                       {options.perPage, QString::fromStdString(options.title)});
    }
    return buffer.data();
}

// 0, or the errno value of the failure, the temporary file then gone.
int WriteThroughTemporary(const std::string& path, const QByteArray& bytes) {
    const std::string pattern = path + ".XXXXXX";
    if (pattern.size() >= sizeof g_temporary) {
        return ENAMETOOLONG;
    }
    for (const int signal : kStoppingSignals) {
        std::signal(signal, RemoveTemporaryAndDie);
    }
    std::memcpy(g_temporary, pattern.c_str(), pattern.size() + 1);
    const int fd = mkostemp(g_temporary, O_CLOEXEC);
    if (fd < 0) {
        g_temporary[0] = '\0';
        return errno;
    }
    // A new file gets what the user's umask allows, as any program's would, not mkstemp's 0600.
    const mode_t mask = umask(0);
    umask(mask);
    int error = fchmod(fd, 0666 & ~mask) == 0 ? 0 : errno;
    error = error != 0
                ? error
                : Batch::WriteAll(fd, std::string_view(bytes.constData(),
                                                       static_cast<std::size_t>(bytes.size())));
    error = error != 0 || fsync(fd) == 0 ? error : errno;
    error = close(fd) == 0 || error != 0 ? error : errno;
    error = error != 0 || rename(g_temporary, path.c_str()) == 0 ? error : errno;
    if (error != 0) {
        unlink(g_temporary);
    }
    g_temporary[0] = '\0';
    return error;
}

// A device or a pipe is no file to replace.
bool IsRegularOrAbsent(const std::string& path) {
    struct stat status {};
    return stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode);
}

}  // namespace

int Run(const Options& options, const Batch::Streams& streams) {
    const std::vector<std::string> inputs =
        options.files.empty() ? std::vector<std::string>{"-"} : options.files;
    std::string refusal;
    if (!options.output.empty()) {
        refusal = Batch::OutputCheck::File(options.output, "the PDF", inputs, streams);
    } else if (isatty(streams.out) != 0) {
        refusal = Messages::Line({.stream = "standard output"},
                                 "refusing to write a PDF to a terminal; name a file with -o");
    } else {
        refusal = Batch::OutputCheck::StandardOutput(inputs, streams);
    }
    if (!refusal.empty()) {
        Batch::WriteAll(streams.err, refusal);
        return 2;
    }
    Told tell(streams.err);
    std::vector<Novem::PuzzleText::Puzzle> puzzles;
    for (const std::string& input : inputs) {
        ReadPuzzles(input, streams.in, tell, puzzles);
    }
    if (puzzles.empty()) {
        tell(Messages::Line({}, "no puzzle to print"));
        return tell.Status();
    }
    const QByteArray pdf = Pdf(options, puzzles);
    try {
        if (options.output.empty() || !IsRegularOrAbsent(options.output)) {
            Batch::OutputFile out = options.output.empty()
                                        ? Batch::OutputFile(streams.out, "standard output")
                                        : Batch::OutputFile(options.output);
            out.Append(std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
            out.Close();
        } else if (const int error = WriteThroughTemporary(options.output, pdf); error != 0) {
            tell(Messages::Line({.file = options.output}, "cannot write", error));
        }
    } catch (const Batch::WriteError& error) {
        tell(error.what());
    }
    return tell.Status();
}

}  // namespace PrintRun
