#include "distance_screen.h"

namespace moves {

std::vector<ScreenVisit>& screen_visits()
{
    // One screen at a time per thread: the moves that use it never nest.
    thread_local std::vector<ScreenVisit> v_visits;
    return v_visits;
}

}  // namespace moves
