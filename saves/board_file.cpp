// SPDX-License-Identifier: GPL-3.0-or-later
#include "saves/board_file.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <string_view>

namespace zlp {

namespace {
// The test pass reads back from the end: a first small piece, which holds a
// board's line with room to spare, then larger ones for a long last line.
constexpr std::size_t kFirstPiece = 4096;
constexpr std::size_t kPiece = 64 * 1024;
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
    for (const Int16 s : states) {
        out += ',';
        out += std::to_string(s);
    }
    out += "\r\n";
    return out;
}

std::optional<std::uint64_t> lastLineLength(std::istream& in, std::uint64_t limit) {
    // A read fault shows on the first character; a seek to the end alone may not see it.
    if (!in || (in.peek(), in.bad())) return std::nullopt;
    in.seekg(0, std::ios::end); // also clears the end-of-file state the peek may set
    const std::streamoff size = in.tellg();
    if (!in || size < 0) return std::nullopt;

    char buffer[kPiece];
    std::size_t piece = kFirstPiece;
    auto pos = static_cast<std::uint64_t>(size); // where the part still unread ends
    std::uint64_t counted = 0;                   // characters of the last line found so far
    bool first = true;
    while (pos > 0 && counted <= limit) {
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(pos, piece));
        pos -= n;
        in.seekg(static_cast<std::streamoff>(pos));
        in.read(buffer, static_cast<std::streamsize>(n));
        if (in.gcount() != static_cast<std::streamsize>(n)) return std::nullopt;
        std::string_view chunk(buffer, n);
        // The first piece holds the last two bytes: a final line end is not
        // part of the last line.
        if (first && chunk.back() == '\n') {
            chunk.remove_suffix(1);
            if (!chunk.empty() && chunk.back() == '\r') chunk.remove_suffix(1);
        }
        first = false;
        piece = kPiece;
        const auto lf = chunk.rfind('\n');
        if (lf != std::string_view::npos)
            return std::min(counted + (chunk.size() - lf - 1), limit + 1);
        counted += chunk.size();
    }
    return std::min(counted, limit + 1);
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
    const auto length = lastLineLength(in, kLongBoardLine);
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
