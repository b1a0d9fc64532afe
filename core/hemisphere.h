#pragma once

// Where on the Earth the moon is seen from: from the south it is turned half a turn.

namespace lunetide {

enum class Hemisphere { North, South };

} // namespace lunetide
