// The three kinds of waterway a case can describe.
#pragma once

namespace kavro {

enum class WaterwayKind { DepthRestricted, Canal, Channel };

} // namespace kavro
