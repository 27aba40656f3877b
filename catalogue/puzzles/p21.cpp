#include "catalogue/puzzle_source.h"

namespace zlp {

// Content to come: items, clues, story and solution.
PuzzleSource puzzle21() { return {}; }

} // namespace zlp
