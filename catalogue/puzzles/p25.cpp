#include "catalogue/puzzle_source.h"

namespace zlp {

// Content to come: items, clues, story and solution.
PuzzleSource puzzle25() { return {}; }

} // namespace zlp
