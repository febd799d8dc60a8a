#pragma once

namespace tandora {

// Twips per pixel of the primary screen, as the classic toolkit rounded them: 15 at 96 dpi.
int twipsPerPixelX();
int twipsPerPixelY();

} // namespace tandora
