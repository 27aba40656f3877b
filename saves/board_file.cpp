#include "saves/board_file.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <istream>
#include <string_view>

namespace zlp {

namespace {
constexpr std::size_t kChunk = 64 * 1024;
// A line of 151 fields has no business being longer than this; reading
// stops here so a huge first line costs nothing in the value pass.
constexpr std::size_t kMaxValueBytes = 4096;
constexpr int kFieldCount = 1 + kCellCount;

std::optional<long long> parseInteger(std::string_view field) {
    if (field.empty()) return std::nullopt;
    // from_chars accepts a minus sign but no plus sign, and no blanks: the
    // written form plus negative numbers, which the replay simply ignores.
    long long value = 0;
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, value);
    if (ec != std::errc{} || ptr != end) return std::nullopt;
    return value;
}
} // namespace

std::string formatBoard(Int16 puzzleNumber, const std::array<Int16, kCellCount>& states) {
    std::string out = std::to_string(puzzleNumber);
    out.reserve(out.size() + 2 * kCellCount + 2);
    for (const Int16 s : states) {
        out += ',';
        out += std::to_string(s);
    }
    out += "\r\n";
    return out;
}

std::optional<std::uint64_t> lastLineLength(std::istream& in) {
    if (!in) return std::nullopt;
    char buffer[kChunk];
    std::uint64_t current = 0; // characters of the line being read, a CR included
    std::uint64_t last = 0;    // length of the last line ended so far
    bool crPending = false;    // the line being read ends with a CR so far
    while (in) {
        in.read(buffer, sizeof buffer);
        const char* p = buffer;
        const char* const end = buffer + in.gcount();
        // memchr keeps a long line without line ends cheap to count.
        while (const void* hit = std::memchr(p, '\n', static_cast<std::size_t>(end - p))) {
            const char* lf = static_cast<const char*>(hit);
            const auto run = static_cast<std::uint64_t>(lf - p);
            const bool cr = run > 0 ? lf[-1] == '\r' : crPending;
            last = current + run - (cr ? 1 : 0);
            current = 0;
            crPending = false;
            p = lf + 1;
        }
        if (p != end) {
            current += static_cast<std::uint64_t>(end - p);
            crPending = end[-1] == '\r';
        }
    }
    if (in.bad()) return std::nullopt;
    // Characters after the last line end form one more line, ended by the end of the file.
    return current > 0 ? current : last;
}

std::optional<SavedBoard> readBoardValues(std::istream& in) {
    std::string text(kMaxValueBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) return std::nullopt;
    text.resize(static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxValueBytes) return std::nullopt;

    std::string_view line = text;
    if (const auto lf = line.find('\n'); lf != std::string_view::npos) {
        // The first line must be the only one.
        if (lf + 1 != line.size()) return std::nullopt;
        line = line.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    }

    std::array<long long, kFieldCount> values{};
    int count = 0;
    for (;;) {
        const auto comma = line.find(',');
        if (count == kFieldCount) return std::nullopt; // too many fields
        const auto value = parseInteger(line.substr(0, comma));
        if (!value) return std::nullopt;
        values[static_cast<std::size_t>(count++)] = *value;
        if (comma == std::string_view::npos) break;
        line.remove_prefix(comma + 1);
    }
    if (count != kFieldCount) return std::nullopt;
    if (values[0] < kFirstPuzzle || values[0] > kLastPuzzle) return std::nullopt;

    SavedBoard board;
    board.puzzleNumber = static_cast<Int16>(values[0]);
    std::copy(values.begin() + 1, values.end(), board.cells.begin());
    return board;
}

ReadResult readSavedBoard(std::istream& in) {
    const auto length = lastLineLength(in);
    if (!length) return {ReadOutcome::Unreadable, {}};
    if (!isBoardLineLength(*length)) return {ReadOutcome::NotABoard, {}};

    in.clear();
    in.seekg(0);
    if (!in) return {ReadOutcome::Unreadable, {}};
    auto board = readBoardValues(in);
    if (in.bad()) return {ReadOutcome::Unreadable, {}};
    if (!board) return {ReadOutcome::NotABoard, {}};
    return {ReadOutcome::Board, *board};
}

} // namespace zlp
