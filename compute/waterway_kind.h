// The three kinds of waterway that select input page, results page and table.
#pragma once

namespace kavro {

enum class WaterwayKind { DepthRestricted, Canal, Channel };

} // namespace kavro
