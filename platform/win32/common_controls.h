// The common controls, registered on first need rather than at start.
#pragma once

namespace lartsen::win32 {

// Loads the common controls library (the version the manifest asks for) and registers its
// window classes, once per run; later calls do nothing. False when the library is missing.
bool EnsureCommonControls();

}  // namespace lartsen::win32
