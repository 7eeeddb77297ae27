#pragma once
// Positions in the text view, both counted from 1. A buffer position names a byte column of a stored
// line; a display position names a cell column of a display row (a wrapped line has several rows).

namespace veyrin {

struct TBufferCoord {
    int Char = 1;
    int Line = 1;
    friend bool operator==(const TBufferCoord&, const TBufferCoord&) = default;
};

constexpr bool operator<(const TBufferCoord& a, const TBufferCoord& b) {
    return a.Line < b.Line || (a.Line == b.Line && a.Char < b.Char);
}

struct TDisplayCoord {
    int Column = 1;
    int Row = 1;
    friend bool operator==(const TDisplayCoord&, const TDisplayCoord&) = default;
};

constexpr bool operator<(const TDisplayCoord& a, const TDisplayCoord& b) {
    return a.Row < b.Row || (a.Row == b.Row && a.Column < b.Column);
}

}  // namespace veyrin
