#pragma once

namespace kavro { enum class WaterwayKind { DepthRestricted, Canal, Channel }; }
