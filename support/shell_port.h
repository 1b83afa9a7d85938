// Port to the shell: opening documents in the editor or viewer the platform associates with them.
#pragma once

#include <string_view>

#include "support/types.h"

namespace lartsen {

// Opening documents in the editor or viewer that the platform associates with them.
class ShellPort {
 public:
  virtual ~ShellPort() = default;
  virtual WindowHandle GetActiveWindow() = 0;
  // The "open" verb with the default show mode; true when the shell took the document
  // (it returns without waiting for the editor). An empty working directory means none.
  virtual bool OpenDocument(WindowHandle owner, std::u16string_view path,
                            std::u16string_view workingDirectory) = 0;
};

}  // namespace lartsen
